#pragma once

#include <juce_core/juce_core.h>
#include <pixcore/reference/FloatImage.h>

//==============================================================================
/**
    The Portable Float Map: a text header "PF" (colour) or "Pf" (grey), the
    width and height, and a scale whose sign gives the byte order of the
    32-bit floats that follow (negative: little-endian, positive:
    big-endian); rows run from the bottom of the image to the top.
*/
namespace pfm
{
    /** Decodes a PFM file's bytes into an image with alpha 1. The header's
        sizes are checked against the bytes actually there before anything is
        allocated; the error text says what is wrong with the data. */
    juce::Result decode (const juce::MemoryBlock& bytes, graphics::reference::FloatImage& image);

    /** Encodes an image as a colour PFM: little-endian floats, scale -1; alpha is dropped. */
    juce::MemoryBlock encode (const graphics::reference::FloatImage& image);
}
