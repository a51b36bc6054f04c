#pragma once

#include <tavcore/State.h>

namespace gui::tav
{

//==============================================================================
/** The program's tool bar logo: the embedded LZ4 block of a PNG image, 74 by
    18 pixels of grey with alpha, unpacked into a state whose data are the
    PNG's bytes. Fails on a damaged block. */
juce::Result makeToolbarLogoState (::tav::State& logo);

/** The sizes of the embedded block: packed, and of the PNG it holds. */
size_t getToolbarLogoPackedSize() noexcept;
size_t getToolbarLogoFullSize() noexcept;

} // namespace gui::tav
