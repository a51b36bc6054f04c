#include "torvocore/ColorModifierPrograms.h"

namespace torvo
{

graphics::ShaderProgram* ColorModifierPrograms::getProgram (graphics::GraphicsContext& context, const ColorModifier& modifier,
                                                            juce::Result& outcome)
{
    auto found = programs.find (context.getSerialNumber());

    if (found == programs.end())
        found = programs.emplace (context.getSerialNumber(), compile (context, modifier)).first;

    outcome = found->second.outcome;
    return found->second.program.get();
}

ColorModifierPrograms::Compiled ColorModifierPrograms::compile (graphics::GraphicsContext& context, const ColorModifier& modifier)
{
    Compiled compiled;
    juce::String source;
    compiled.outcome = modifier.getShaderSourceCode (source);

    if (compiled.outcome.wasOk())
        compiled.program = context.createColorModifierProgram (modifier.getShaderSourceName(), source, compiled.outcome);

    return compiled;
}

} // namespace torvo
