#pragma once

#include <juce_core/juce_core.h>
#include <pixcore/reference/FloatImage.h>

//==============================================================================
/** The PNG and JPEG decoders behind codedimages::decode, one per library. */
namespace codedimages::codecs
{
    /** True when the bytes start with the PNG signature. */
    bool isPng (const juce::MemoryBlock& bytes);

    /** True when the bytes start with a JPEG start-of-image marker. */
    bool isJpeg (const juce::MemoryBlock& bytes);

    /** Decodes a PNG through libpng's simplified API. */
    juce::Result decodePng (const juce::MemoryBlock& bytes, graphics::reference::FloatImage& image);

    /** Decodes a JPEG through libjpeg, converted to RGB. */
    juce::Result decodeJpeg (const juce::MemoryBlock& bytes, graphics::reference::FloatImage& image);

    /** The failure for a decoded size beyond maxPixels, or ok. */
    juce::Result checkSize (juce::uint64 width, juce::uint64 height);

    /** Sets row y of the image from 8-bit components, 3 (RGB, alpha 1) or 4 (RGBA) per pixel, mapped to [0, 1]. */
    void setRowFromEightBits (graphics::reference::FloatImage& image, int y, const juce::uint8* components, int channels);
}
