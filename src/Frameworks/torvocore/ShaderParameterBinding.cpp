#include "torvocore/ShaderParameterBinding.h"
#include <pixcore/Vector4d.h>
#include <tavcore/Real.h>

namespace torvo
{

namespace
{
    void bindParameter (const juce::String& name, const tav::Object& value, graphics::ShaderProgram& program)
    {
        if (const auto* vector = dynamic_cast<const graphics::Vector4d*> (&value))
        {
            const auto& v = vector->get();
            program.setVec4 (name, (float) v.x, (float) v.y, (float) v.z, (float) v.w);
        }
        else if (const auto* real = dynamic_cast<const tav::Real*> (&value))
        {
            program.setFloat (name, (float) real->get());
        }
        else if (const auto* sampler = dynamic_cast<const graphics::Sampler3d*> (&value))
        {
            program.setSampler3d (name, *sampler);
        }
    }
}

void bindShaderParameters (const tav::Object& shaderObject, graphics::ShaderProgram& program)
{
    for (size_t i = 0; i < shaderObject.getNumMemberVariableObjects(); ++i)
    {
        const auto name = shaderObject.getMemberVariableName (i);

        if (program.findUniform (name) != nullptr)
            bindParameter (name, *shaderObject.getMemberVariable (i), program);
    }
}

} // namespace torvo
