#include "torvocore/ColorTextureModifier.h"
#include "torvocore/ShaderParameterBinding.h"

namespace torvo
{

ColorTextureModifierBase::ColorTextureModifierBase (std::unique_ptr<ColorModifier> shaderObject)
    : ShaderHost (std::move (shaderObject))
{
}

bool ColorTextureModifierBase::modify (CompositingData& data)
{
    currentProgram = nullptr;
    auto* graphics = getGraphics();

    if (graphics == nullptr)
    {
        setFailureStatus (juce::Result::fail ("No graphics context to render " + getShader().getClassName() + " with"));
        return false;
    }

    if (! TextureModifier::modify (data))
        return false;

    auto outcome = juce::Result::ok();
    currentProgram = programs.getProgram (*graphics, getShader(), outcome);
    setFailureStatus (outcome);
    return currentProgram != nullptr;
}

bool ColorTextureModifierBase::draw (CompositingData& data)
{
    auto* graphics = getGraphics();

    if (currentProgram == nullptr || graphics == nullptr)
        return false;

    bindShaderParameters (getShader(), *currentProgram);
    currentProgram->setFloat ("globals.renderingGamma", (float) data.renderingGamma);

    const auto rendered = graphics->renderColorModifier (*currentProgram, *data.input, *data.output);
    setFailureStatus (rendered);
    return rendered.wasOk();
}

void ColorTextureModifierBase::unload()
{
    currentProgram = nullptr;
    programs.clear();
    TextureModifier::unload();
}

} // namespace torvo
