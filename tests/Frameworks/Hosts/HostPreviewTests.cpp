#include "HostRunning.h"
#include <ImageFiles.h>
#include <TemporaryFolder.h>
#include <Waiting.h>
#include <gtest/gtest.h>

using graphics::reference::FloatImage;

namespace
{
    /** The pixel of the snapshot at a point, as 8-bit components. */
    std::array<int, 3> bytesAt (const FloatImage& image, int x, int y)
    {
        const auto p = image.getPixel (x, y);
        return { juce::roundToInt (p.r * 255.0f), juce::roundToInt (p.g * 255.0f), juce::roundToInt (p.b * 255.0f) };
    }

    bool isNear (std::array<int, 3> actual, std::array<int, 3> expected)
    {
        for (size_t i = 0; i < 3; ++i)
            if (std::abs (actual[i] - expected[i]) > 2)
                return false;

        return true;
    }
}

// Runs in a virtual X server; the snapshot stays in the test's artefacts
// folder (its working directory) for a person to look at.
TEST (TorvoHostPreview, ShowsTheGradedImageWithEachGradesStatusUnderIt)
{
    const TemporaryFolder folder;
    const auto input = folder.get().getChildFile ("in.pfm");
    ASSERT_TRUE (imagefiles::write (input, FloatImage (64, 36, { 0.2f, 0.1f, 0.05f, 1.0f })));
    const auto snapshot = juce::File::getCurrentWorkingDirectory().getChildFile ("torvo-preview.png");
    snapshot.deleteFile();

    hosttest::RunningHost host ({ TORVO_HOST_STANDIN_PLUGIN, "--input=" + input.getFullPathName(), "--grade=A", "--preview",
                                  "--preview-snapshot=" + snapshot.getFullPathName() });
    ASSERT_TRUE (host.waitForConsole ("Preview window open")) << host.getConsole();
    ASSERT_TRUE (host.waitForConsole ("Grade A: gain 3, unchanged pixels (render 4)")) << host.getConsole();

    // The stand-in grade ends at gain 3: 0.6, 0.3 and 0.15 of full scale.
    const std::array<int, 3> graded { 153, 77, 38 };
    FloatImage shown;
    const auto showsGraded = [&]
    {
        return imagefiles::read (snapshot, shown).wasOk() && shown.getHeight() > 560
               && isNear (bytesAt (shown, shown.getWidth() / 2, 270), graded);
    };
    ASSERT_TRUE (waitUntil (showsGraded, 30000, 50)) << host.getConsole();

    // The status line is drawn as light text on black under the image.
    int lightPixels = 0;

    for (int y = 540; y < shown.getHeight(); ++y)
        for (int x = 0; x < 300; ++x)
            if (shown.getPixel (x, y).g > 0.8f)
                ++lightPixels;

    EXPECT_GT (lightPixels, 20) << "no status text under the image";
    EXPECT_EQ (host.stop(), 0) << host.getConsole();
}
