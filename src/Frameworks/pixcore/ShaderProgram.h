#pragma once

#include "pixcore/Sampler3d.h"
#include "pixcore/ShaderSourceExpander.h"
#include <map>
#include <vector>

namespace graphics
{

/** The kinds of uniform a program may have; other covers the rest of GLSL's types. */
enum class UniformType { float1, vec2, vec3, vec4, int1, sampler2d, sampler3d, other };

/** One active uniform of a linked program, as the driver reports it:
    "slope", "globals.renderingGamma", "table[0]" for an array. */
struct UniformInfo
{
    juce::String name;
    UniformType type = UniformType::other;
    GLint location = -1;
    int arraySize = 1;
};

//==============================================================================
/**
    A linked vertex and fragment program of one context, with its uniforms
    set by name. Only active uniforms exist: the driver drops those the
    code never reads, and setting one of those does nothing but return false.

    Values are written into the program at once (glProgramUniform); sampler
    uniforms keep their texture and sampling settings until the program is
    used, when each gets a texture unit of its own.
*/
class ShaderProgram
{
public:
    /** Compiles and links; nullptr with the compiler's or linker's message
        (naming the original files and lines) in outcome on failure. */
    static std::unique_ptr<ShaderProgram> create (std::weak_ptr<const GlFunctions> functions,
                                                  const juce::String& vertexGlsl,
                                                  const ExpandedShaderSource& fragment,
                                                  const juce::String& sourceName,
                                                  juce::Result& outcome);
    ~ShaderProgram();

    /** Every active uniform. */
    const std::vector<UniformInfo>& getActiveUniforms() const noexcept    { return uniforms; }

    /** The active uniform of that name, or nullptr. */
    const UniformInfo* findUniform (const juce::String& name) const;

    /** Sets a float uniform; false when there is no active float of that name. */
    bool setFloat (const juce::String& name, float value);

    /** Sets a vec4 uniform; false when there is no active vec4 of that name. */
    bool setVec4 (const juce::String& name, float x, float y, float z, float w);

    /** Sets an int uniform; false when there is no active int of that name. */
    bool setInt (const juce::String& name, int value);

    /** Gives a sampler3D uniform the sampler's texture and settings, as they
        are now; false when there is no active sampler3D of that name. */
    bool setSampler3d (const juce::String& name, const Sampler3d& sampler);

    /** Makes the program current with its volume samplers bound to the
        texture units from firstUnit on. */
    void use (int firstUnit) const;

    /** The program name. */
    GLuint getId() const noexcept      { return program; }

private:
    struct VolumeBinding
    {
        std::shared_ptr<Pixel3dBuffer> texture;
        SamplingParameters parameters;
    };

    std::weak_ptr<const GlFunctions> gl;
    GLuint program;
    std::vector<UniformInfo> uniforms;
    std::map<GLint, VolumeBinding> volumeBindings;

    ShaderProgram (std::weak_ptr<const GlFunctions>, GLuint program);
    void readActiveUniforms (const GlFunctions&);
    const UniformInfo* findUniformOfType (const juce::String& name, UniformType type) const;
    bool writeUniform (const juce::String& name, UniformType, const std::function<void (const GlFunctions&, GLint location)>& write);
    JUCE_DECLARE_NON_COPYABLE (ShaderProgram)
};

} // namespace graphics
