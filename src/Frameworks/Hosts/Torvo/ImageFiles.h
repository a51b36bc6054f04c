#pragma once

#include <juce_core/juce_core.h>
#include <pixcore/reference/FloatImage.h>

//==============================================================================
/**
    The host's image files, told apart by their extension (any case): .png,
    .jpg and .jpeg through JUCE's image formats where the build has them, and
    .pfm everywhere. Error texts start "Cannot read the input image <path>: "
    or "Cannot write the output image <path>: " and end with the reason.
*/
namespace imagefiles
{
    /** Reads a PNG, JPEG or PFM file into a float RGBA image. */
    juce::Result read (const juce::File& file, graphics::reference::FloatImage& image);

    /** Checks that an image can be written there: a .png or .pfm name in a folder that exists. */
    juce::Result checkOutput (const juce::File& file);

    /** Writes an image as .png (8 bits per component) or .pfm (32-bit floats),
        replacing the file atomically. */
    juce::Result write (const juce::File& file, const graphics::reference::FloatImage& image);
}
