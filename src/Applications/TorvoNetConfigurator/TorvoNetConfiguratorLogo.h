#pragma once

#include <tavcore/State.h>

namespace gui::tav
{

//==============================================================================
/** The program's tool bar logo: the embedded LZ4 block of a PNG image, 74 by
    18 pixels of grey with alpha, unpacked into a state whose data are the
    PNG's bytes. Fails on a damaged block. */
juce::Result makeToolbarLogoState (::tav::State& logo);

/** The size of the embedded block in bytes. */
size_t getToolbarLogoPackedSize() noexcept;

/** The size of the PNG the block holds in bytes. */
size_t getToolbarLogoFullSize() noexcept;

} // namespace gui::tav
