#include <gtest/gtest.h>
#include "Screenshots.h"

// The comparison that GUI tests make against their kept references, and the
// bands in which they find a menu's entries.

namespace
{
    juce::Image panel()
    {
        juce::Image image (juce::Image::RGB, 120, 60, true);
        juce::Graphics g (image);
        g.fillAll (juce::Colours::lightgrey);
        g.setColour (juce::Colours::darkblue);
        g.fillRect (20, 10, 40, 12);
        g.fillRect (20, 36, 70, 14);
        return image;
    }

    struct Case
    {
        const char* what;
        std::function<void (juce::Graphics&)> change;
        bool within;
    };
}

TEST (Screenshots, ComparisonAbsorbsEdgeNoiseButNotAMovedControl)
{
    const auto reference = panel();
    const std::vector<Case> cases {
        { "the same picture", [] (juce::Graphics&) {}, true },
        // Another antialiasing: a faint fringe along one edge of each block.
        { "softer edges", [] (juce::Graphics& g) { g.setColour (juce::Colour (0xff8080b0)); g.fillRect (19, 10, 1, 12); g.fillRect (19, 36, 1, 14); }, true },
        { "a block moved", [] (juce::Graphics& g) { g.setColour (juce::Colours::lightgrey); g.fillRect (20, 36, 70, 14); g.setColour (juce::Colours::darkblue); g.fillRect (30, 40, 70, 14); }, false },
        { "a block missing", [] (juce::Graphics& g) { g.setColour (juce::Colours::lightgrey); g.fillRect (20, 10, 40, 12); }, false },
    };

    for (const auto& c : cases)
    {
        auto actual = panel();
        {
            juce::Graphics g (actual);
            c.change (g);
        }
        const auto difference = screenshots::compare (actual, reference);
        EXPECT_EQ (screenshots::isWithin (difference, 2.0, 0.01), c.within)
            << c.what << ": mean " << difference.meanAbsoluteDifference << ", share " << difference.differingShare;
    }
}

TEST (Screenshots, PicturesOfAnotherSizeNeverMatch)
{
    const auto difference = screenshots::compare (panel(), panel().rescaled (60, 30));
    EXPECT_FALSE (difference.sameSize);
    EXPECT_FALSE (screenshots::isWithin (difference, 255.0, 1.0));
}

TEST (Screenshots, DiffImageMarksTheDifferingPixels)
{
    auto actual = panel();
    actual.setPixelAt (100, 5, juce::Colours::black);
    const auto difference = screenshots::compare (actual, panel());
    EXPECT_EQ (difference.diff.getPixelAt (100, 5), juce::Colours::red);
    EXPECT_NE (difference.diff.getPixelAt (5, 5), juce::Colours::red);
}

TEST (Screenshots, SavedAndLoadedPicturesAreEqual)
{
    const auto file = juce::File::createTempFile (".png");
    ASSERT_TRUE (screenshots::save (panel(), file));
    const auto difference = screenshots::compare (screenshots::load (file), panel(), 0);
    EXPECT_TRUE (screenshots::isWithin (difference, 0.0, 0.0));
    file.deleteFile();
    EXPECT_FALSE (screenshots::load (file).isValid());
}

TEST (Screenshots, TextLinesAreTheTallBandsBetweenBackgroundRows)
{
    auto image = panel();
    {
        juce::Graphics g (image);
        g.setColour (juce::Colours::black);
        g.drawRect (image.getBounds());         // a frame: its sides lie in the margins
        g.fillRect (10, 28, 100, 1);            // a separator: too thin for a line
    }

    // The frame's top and bottom rows, the blocks and the separator.
    const auto bands = screenshots::contentBands (image, 3);
    ASSERT_EQ (bands.size(), 5u);
    EXPECT_EQ (bands[2].top, 28);
    EXPECT_EQ (bands[2].height(), 1);

    const auto lines = screenshots::textLines (image, 3);
    ASSERT_EQ (lines.size(), 2u);
    EXPECT_EQ (lines[0].top, 10);
    EXPECT_EQ (lines[0].bottom, 22);
    EXPECT_EQ (lines[1].centre(), 43);
}
