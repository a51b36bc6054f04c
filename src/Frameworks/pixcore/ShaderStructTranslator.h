#pragma once

#include <juce_core/juce_core.h>

namespace graphics
{

/** The root of the host's shader object structs. */
inline constexpr const char* shaderObjectStructName = "ShaderObject";

/**
    Turns the host's shader object structs of one file into GLSL, line for
    line (so that compiler messages keep their line numbers):

        struct Name : Base { fields; functions };

    becomes a uniform for each field and a free function for each function;
    the struct's own braces vanish. Base must be ShaderObject or a shader
    object struct met before (in knownStructs, which gains Name). Structs
    without a base are plain GLSL and stay as they are.

    Fails with "fileName:line: message" on a struct it cannot read.
*/
juce::Result translateShaderStructs (juce::String& text, const juce::String& fileName, juce::StringArray& knownStructs);

} // namespace graphics
