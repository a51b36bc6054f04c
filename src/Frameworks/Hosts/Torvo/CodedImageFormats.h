#pragma once

#include <juce_core/juce_core.h>
#include <pixcore/reference/FloatImage.h>

//==============================================================================
/**
    PNG and JPEG images, read and written through JUCE's image formats where
    the build links them (juce_graphics with libpng and libjpeg). Eight-bit
    components map to [0, 1] as they are stored, without any gamma decoding.
*/
namespace codedimages
{
    /** Why a build without JUCE's image formats refuses PNG and JPEG images. */
    inline const char* const unsupportedReason = "PNG and JPEG images are not supported in this build";

    /** True when this build reads and writes PNG and JPEG images. */
    bool areSupported();

    /** Decodes a PNG or JPEG file's bytes; the error text says why it could not. */
    juce::Result decode (const juce::MemoryBlock& bytes, graphics::reference::FloatImage& image);

    /** Encodes an image as a PNG of 8 bits per component, values clamped to [0, 1]
        (NaN as 0); with alpha only when some pixel is not opaque. */
    juce::Result encodePng (const graphics::reference::FloatImage& image, juce::MemoryBlock& bytes);
}
