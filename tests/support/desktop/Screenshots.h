#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

//==============================================================================
/** Screenshots that GUI tests keep, and how two of them are compared. */
namespace screenshots
{
    /** The folder where GUI tests leave their screenshots: the working folder
        that the GUI test launcher gives them (test-artefacts/ of the build). */
    juce::File artefactFolder();

    /** Writes an image as PNG, replacing the file; false when that failed. */
    bool save (const juce::Image& image, const juce::File& file);

    /** Reads a PNG file; an invalid image when it cannot be read. */
    juce::Image load (const juce::File& file);

    //==============================================================================
    /** How far two images lie apart. */
    struct Difference
    {
        bool sameSize = false;
        double meanAbsoluteDifference = 0.0;    /**< per channel, 0 to 255 */
        double differingShare = 0.0;            /**< pixels beyond the pixel tolerance, 0 to 1 */
        juce::Image diff;                       /**< the differing pixels in red over a faint copy */
    };

    /** Compares two images pixel by pixel. A pixel differs when one of its
        channels lies more than pixelTolerance apart; text drawn with another
        antialiasing differs only at its glyphs' edges, so that tolerance and
        a small differing share absorb it while a moved or missing control does
        not pass. */
    Difference compare (const juce::Image& actual, const juce::Image& reference, int pixelTolerance = 40);

    /** Whether a difference is within the bounds. */
    bool isWithin (const Difference& difference, double maximumMeanDifference, double maximumDifferingShare);

    //==============================================================================
    /** A band of image rows holding something other than the background. */
    struct Band
    {
        int top = 0;
        int bottom = 0;     /**< exclusive */

        int height() const noexcept     { return bottom - top; }
        int centre() const noexcept     { return (top + bottom) / 2; }
    };

    /** The bands of rows with content, between rows of the background colour
        (the image's most common one), looked at between the margins only, so
        that a frame around the image does not join them. A menu's entries are
        such bands, one each, as a person sees them. */
    std::vector<Band> contentBands (const juce::Image& image, int horizontalMargin);

    /** The bands at least minimumHeight rows high: the lines of text, without
        the thin separators. */
    std::vector<Band> textLines (const juce::Image& image, int horizontalMargin, int minimumHeight = 5);
}
