#include "pixcore/FrameRenderer.h"

namespace graphics
{

FrameRenderer::FrameRenderer (std::weak_ptr<const GlFunctions> functions) : gl (std::move (functions))
{
    if (auto f = gl.lock())
    {
        f->glGenFramebuffers (1, &framebuffer);
        // A core profile draws nothing without a vertex array, even one with no attributes.
        f->glGenVertexArrays (1, &vertexArray);
    }
}

FrameRenderer::~FrameRenderer()
{
    if (auto f = gl.lock())
    {
        f->glDeleteFramebuffers (1, &framebuffer);
        f->glDeleteVertexArrays (1, &vertexArray);
    }
}

// One triangle whose corners (0,0), (2,0) and (0,2) in texture coordinates
// cover the unit square: every pixel centre of the output gets one fragment.
juce::String FrameRenderer::getVertexShader()
{
    return "#version 450 core\n"
           "out vec2 hostTextureCoordinate;\n"
           "void main()\n"
           "{\n"
           "    vec2 corner = vec2 ((gl_VertexID << 1) & 2, gl_VertexID & 2);\n"
           "    hostTextureCoordinate = corner;\n"
           "    gl_Position = vec4 (corner * 2.0 - 1.0, 0.0, 1.0);\n"
           "}\n";
}

juce::Result FrameRenderer::render (const ShaderProgram& program, const Texture2d& input, Texture2d& output)
{
    auto f = gl.lock();

    if (f == nullptr)
        return juce::Result::fail ("The graphics context is gone");

    f->glBindFramebuffer (GL_FRAMEBUFFER, framebuffer);
    f->glFramebufferTexture2D (GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, output.getTexture().getId(), 0);

    if (const auto status = f->glCheckFramebufferStatus (GL_FRAMEBUFFER); status != GL_FRAMEBUFFER_COMPLETE)
    {
        f->glBindFramebuffer (GL_FRAMEBUFFER, 0);
        return juce::Result::fail ("The output texture cannot be rendered into (framebuffer status 0x"
                                     + juce::String::toHexString ((int) status) + ")");
    }

    program.use (1);
    f->glActiveTexture (GL_TEXTURE0);
    input.getTexture().bind();

    if (auto* inputUniform = program.findUniform ("inputTexture"))
        f->glProgramUniform1i (program.getId(), inputUniform->location, 0);

    f->glViewport (0, 0, output.getWidth(), output.getHeight());
    f->glBindVertexArray (vertexArray);
    f->glDrawArrays (GL_TRIANGLES, 0, 3);
    f->glBindVertexArray (0);
    f->glBindFramebuffer (GL_FRAMEBUFFER, 0);

    if (const auto error = f->glGetError(); error != GL_NO_ERROR)
        return juce::Result::fail ("Rendering the frame failed (OpenGL error 0x" + juce::String::toHexString ((int) error) + ")");

    return juce::Result::ok();
}

} // namespace graphics
