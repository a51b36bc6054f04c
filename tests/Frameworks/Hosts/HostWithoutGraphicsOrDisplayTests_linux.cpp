#include "HostRunning.h"
#include <TemporaryFolder.h>
#include <gtest/gtest.h>

// Without a vendor library, EGL has no display to offer, which is how a
// machine without OpenGL looks to the host.
namespace
{
    const juce::String noGraphics = "No graphics: No OpenGL 4.5 context: ";

    struct WithoutEgl
    {
        ScopedEnvironment vendors { "__EGL_VENDOR_LIBRARY_FILENAMES", "/nonexistent/egl-vendor.json" };
    };
}

TEST (TorvoHostWithoutGraphics, SaysSoOnceAndItsGradesReportThatTheyCannotRender)
{
    const WithoutEgl withoutEgl;
    const TemporaryFolder folder;
    const auto output = folder.get().getChildFile ("out.pfm");
    hosttest::RunningHost host ({ TORVO_HOST_STANDIN_PLUGIN, "--output=" + output.getFullPathName(), "--grade=Main" });

    ASSERT_TRUE (host.waitForConsole ("Grade Main: No graphics context to render StandInGainModifier with")) << host.getConsole();
    EXPECT_EQ (host.stop(), 0);
    const auto console = host.getConsole();
    EXPECT_EQ (console.indexOf (noGraphics), console.lastIndexOf (noGraphics)) << console;
    EXPECT_TRUE (console.contains ("; grades are not rendered")) << console;
    EXPECT_FALSE (output.exists()) << "an ungraded image was written as if graded";
}

TEST (TorvoHostWithoutGraphics, KeepsServingGradingClients)
{
    const WithoutEgl withoutEgl;
    hosttest::RunningHost host ({ TORVO_HOST_GRADING_PLUGIN, "--grade=Main" });
    ASSERT_TRUE (host.waitForConsole (noGraphics)) << host.getConsole();
    ASSERT_TRUE (host.waitForConsole ("Ambrel: ")) << host.getConsole();

    juce::StreamingSocket client;
    EXPECT_TRUE (client.connect ("127.0.0.1", host.getPort(), 10000)) << host.getConsole();
    client.close();
    EXPECT_EQ (host.stop(), 0) << host.getConsole();
}

TEST (TorvoHostWithoutDisplay, RunsWithoutItsPreviewAndStillWritesTheGradedImage)
{
    const ScopedEnvironment noDisplay ("DISPLAY", nullptr);
    const TemporaryFolder folder;
    const auto output = folder.get().getChildFile ("out.pfm");
    hosttest::RunningHost host ({ TORVO_HOST_STANDIN_PLUGIN, "--preview", "--output=" + output.getFullPathName(), "--grade=Main" });

    ASSERT_TRUE (host.waitForConsole ("Wrote " + output.getFullPathName())) << host.getConsole();
    EXPECT_EQ (host.stop(), 0);
    EXPECT_TRUE (host.getConsole().contains ("No preview: DISPLAY is not set; running without the window")) << host.getConsole();
}
