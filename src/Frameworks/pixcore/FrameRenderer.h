#pragma once

#include "pixcore/ShaderProgram.h"
#include "pixcore/Texture2d.h"

namespace graphics
{

//==============================================================================
/**
    Draws a colour modifier's frame: one triangle covering the output
    texture, attached to a framebuffer object, with the input texture on
    unit 0 as "inputTexture".
*/
class FrameRenderer
{
public:
    /** The renderer of a context; needs it current. */
    explicit FrameRenderer (std::weak_ptr<const GlFunctions> functions);
    ~FrameRenderer();

    /** The vertex stage every colour modifier's program is linked with. */
    static juce::String getVertexShader();

    /** Runs the program over every pixel of output, reading input. */
    juce::Result render (const ShaderProgram& program, const Texture2d& input, Texture2d& output);

private:
    std::weak_ptr<const GlFunctions> gl;
    GLuint framebuffer = 0, vertexArray = 0;

    JUCE_DECLARE_NON_COPYABLE (FrameRenderer)
};

} // namespace graphics
