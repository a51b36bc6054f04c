#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace gui::tav
{

/** Draws one of the GUI layer's icons, by file name: "home.svg", "menu.svg"
    (a drop-down chevron), "add.svg", "remove.svg". nullptr for other names.
    The icons are SVG drawn for this layer, in one colour (white on
    transparent) that the caller may replace. */
std::unique_ptr<juce::Drawable> createIcon (const juce::String& iconName);

} // namespace gui::tav
