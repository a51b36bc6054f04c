#pragma once

#include <tavcore/Object.h>

namespace torvo
{

//==============================================================================
/**
    The parameter object of a colour-modifier shader. Its class attribute
    "shaderSourceCode" holds the shader in the host's shader language; its
    member variables are the shader's parameters, which reach the uniforms
    of the same names (Vector4d as vec4, Real as float, Sampler3d as
    sampler3D) every time the shader runs.
*/
class ColorModifier : public tav::Object
{
public:
    /** The shader text of the object's class; fails when the class is not
        loaded or has no "shaderSourceCode". */
    juce::Result getShaderSourceCode (juce::String& source) const;

    /** The name compiler messages give the shader's own file: the class name + ".sglsl". */
    juce::String getShaderSourceName() const;
};

} // namespace torvo
