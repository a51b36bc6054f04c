#include "HostRunning.h"
#include <ImageFiles.h>
#include <TemporaryFolder.h>
#include <gtest/gtest.h>

using graphics::reference::FloatImage;

namespace
{
    const juce::String standInPlugin = TORVO_HOST_STANDIN_PLUGIN;

    void expectImagesNear (const FloatImage& actual, const FloatImage& expected)
    {
        ASSERT_EQ (actual.getWidth(), expected.getWidth());
        ASSERT_EQ (actual.getHeight(), expected.getHeight());

        for (int y = 0; y < expected.getHeight(); ++y)
            for (int x = 0; x < expected.getWidth(); ++x)
            {
                const auto a = actual.getPixel (x, y), e = expected.getPixel (x, y);
                EXPECT_NEAR (a.r, e.r, 1.0e-5) << x << "," << y;
                EXPECT_NEAR (a.g, e.g, 1.0e-5) << x << "," << y;
                EXPECT_NEAR (a.b, e.b, 1.0e-5) << x << "," << y;
            }
    }
}

TEST (TorvoHostRendering, WritesTheFirstFrameAndThenOnlyResultsThatChangedThroughEveryGradeInOrder)
{
    const TemporaryFolder folder;
    const auto input = folder.get().getChildFile ("in.pfm");
    const auto output = folder.get().getChildFile ("out.pfm");
    ASSERT_TRUE (imagefiles::write (input, hosttest::makeSmallImage()));

    // The stand-in device sends gain 2, gain 3, then a note that moves the
    // elements' versions but leaves their pixels as they were.
    hosttest::RunningHost host ({ standInPlugin, "--input=" + input.getFullPathName(), "--output=" + output.getFullPathName(),
                                  "--grade=A", "--grade=B" });
    ASSERT_TRUE (host.waitForConsole ("Grade B: gain 3, unchanged pixels (render 4)")) << host.getConsole();

    // Some idle frames, in which nothing may be rendered again.
    juce::Thread::sleep (500);
    EXPECT_EQ (host.stop(), 0);
    const auto console = host.getConsole();

    // gain 1, 2 and 3 applied by both grades: three results, each written once.
    EXPECT_EQ (hosttest::countLines (console, "Wrote " + output.getFullPathName()), 3) << console;
    FloatImage written;
    ASSERT_TRUE (imagefiles::read (output, written));
    expectImagesNear (written, hosttest::scaled (hosttest::makeSmallImage(), 9.0f));

    for (auto& grade : { "A", "B" })
        for (auto& status : { "gain 1 (render 1)", "gain 2 (render 2)", "gain 3 (render 3)", "gain 3, unchanged pixels (render 4)" })
            EXPECT_EQ (hosttest::countLines (console, "Grade " + juce::String (grade) + ": " + status), 1) << console;

    // Rendered only when a version moved, and every change heard on the host's update thread.
    EXPECT_FALSE (console.contains ("(render 5)")) << console;
    EXPECT_FALSE (console.contains ("a change arrived on a thread other than the frames'")) << console;
}
