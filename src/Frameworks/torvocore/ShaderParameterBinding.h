#pragma once

#include <pixcore/ShaderProgram.h>

namespace torvo
{

/** Sets each uniform of the program that has the name of one of the shader
    object's member variables from that variable: a Vector4d sets a vec4, a
    Real a float, a Sampler3d a sampler3D. Variables without an active
    uniform of their name and kind are left out, as the driver drops what
    the code never reads. */
void bindShaderParameters (const tav::Object& shaderObject, graphics::ShaderProgram& program);

} // namespace torvo
