#include "pixcore/SamplingParameters.h"

namespace graphics
{

namespace
{
    GLint toGlWrap (SamplingParameters::Addressing addressing)
    {
        switch (addressing)
        {
            case SamplingParameters::Addressing::repeat:         return GL_REPEAT;
            case SamplingParameters::Addressing::mirroredRepeat: return GL_MIRRORED_REPEAT;
            case SamplingParameters::Addressing::clampToBorder:  return GL_CLAMP_TO_BORDER;
            case SamplingParameters::Addressing::clampToEdge:    return GL_CLAMP_TO_EDGE;
        }

        return GL_CLAMP_TO_EDGE;
    }
}

void SamplingParameters::setAddressing (int hostValue) noexcept
{
    addressing = (hostValue >= 0 && hostValue <= 3) ? static_cast<Addressing> (hostValue) : Addressing::clampToEdge;
}

void SamplingParameters::applyTo (const GlFunctions& gl, GLenum target, int levelsAvailable) const
{
    const int levels = juce::jlimit (1, juce::jmax (1, levelsAvailable), numLevels);
    const bool mipmapped = levels > 1;

    const GLint minFilter = filtered ? (mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR)
                                     : (mipmapped ? GL_NEAREST_MIPMAP_NEAREST : GL_NEAREST);

    gl.glTexParameteri (target, GL_TEXTURE_MIN_FILTER, minFilter);
    gl.glTexParameteri (target, GL_TEXTURE_MAG_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
    gl.glTexParameteri (target, GL_TEXTURE_BASE_LEVEL, 0);
    gl.glTexParameteri (target, GL_TEXTURE_MAX_LEVEL, levels - 1);

    for (auto coordinate : { GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T, GL_TEXTURE_WRAP_R })
        gl.glTexParameteri (target, (GLenum) coordinate, toGlWrap (addressing));
}

} // namespace graphics
