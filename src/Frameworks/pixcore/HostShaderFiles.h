#pragma once

#include <juce_core/juce_core.h>
#include <optional>

namespace graphics
{

/** The text of a file of the host shader library ("Texture.sglsl",
    "ColorModifier.sglsl"), which is built into the library; nothing for
    a name it does not have. */
std::optional<juce::String> findHostShaderFile (const juce::String& name);

} // namespace graphics
