#pragma once

#include "torvocore/ColorModifier.h"
#include <pixcore/GraphicsContext.h>
#include <map>

namespace torvo
{

//==============================================================================
/**
    The compiled programs of one colour modifier, one per graphics context:
    a shader is compiled the first time it runs on a context, and a shader
    that does not compile is not compiled again there, its message kept.
*/
class ColorModifierPrograms
{
public:
    ColorModifierPrograms() = default;

    /** The modifier's program on the context, compiled on first use; nullptr
        with the reason in outcome when it does not compile. */
    graphics::ShaderProgram* getProgram (graphics::GraphicsContext& context, const ColorModifier& modifier,
                                         juce::Result& outcome);

    /** Lets every program go. */
    void clear()                                   { programs.clear(); }

private:
    struct Compiled
    {
        std::unique_ptr<graphics::ShaderProgram> program;
        juce::Result outcome = juce::Result::ok();
    };

    std::map<juce::uint64, Compiled> programs;

    static Compiled compile (graphics::GraphicsContext& context, const ColorModifier& modifier);
    JUCE_DECLARE_NON_COPYABLE (ColorModifierPrograms)
};

} // namespace torvo
