#pragma once

#include <juce_core/juce_core.h>
#include <pixcore/reference/FloatImage.h>

//==============================================================================
/**
    PNG and JPEG images, through libpng and libjpeg. Eight-bit
    components map to [0, 1] as they are stored, without any gamma decoding.

    The codecs are called directly rather than through JUCE's image formats:
    with the system libpng, JUCE 7.0.5's PNG error handler returns into
    libpng, which then jumps into a finished stack frame, so a corrupt PNG
    crashes the program; its JPEG error handler returns too, which libjpeg
    does not allow. Here both libraries end a failed decode in the frame that
    started it and report their message.
*/
namespace codedimages
{
    /** The most pixels a decoded image may have (8192 × 8192): a compressed
        image can announce far more than its bytes hold. */
    constexpr juce::uint64 maxPixels = (juce::uint64) 8192 * 8192;

    /** Decodes a PNG or JPEG file's bytes (told apart by their signature); the error text says why it could not. */
    juce::Result decode (const juce::MemoryBlock& bytes, graphics::reference::FloatImage& image);

    /** Encodes an image as a PNG of 8 bits per component, values clamped to [0, 1]
        (NaN as 0); with (straight) alpha only when some pixel is not opaque. */
    juce::Result encodePng (const graphics::reference::FloatImage& image, juce::MemoryBlock& bytes);
}
