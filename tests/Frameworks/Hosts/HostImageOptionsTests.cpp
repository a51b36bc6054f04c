#include <ImageFiles.h>
#include <ScopedEnvironment.h>
#include <StoppableProcess.h>
#include <TemporaryFolder.h>
#include <TestPrograms.h>
#include <Waiting.h>
#include <gtest/gtest.h>
#include <pixcore/reference/TestChart.h>

using graphics::reference::FloatImage;

namespace
{
    /** A port nobody listens on, so that a grading plug-in the host finds does not meet another host's. */
    juce::String unusedPort()
    {
        juce::StreamingSocket probe;
        probe.createListener (0, "127.0.0.1");
        return juce::String (probe.getBoundPort());
    }

    /** Runs the host until it has written its output, then stops it; its console text. */
    juce::String runHostUntilWritten (const juce::StringArray& arguments, const juce::File& outputImage)
    {
        const ScopedEnvironment port ("AMBREL_PORT", unusedPort());
        const juce::TemporaryFile console ("torvo-images.txt");
        StoppableProcess host (programs::find ("Torvo"), arguments, console.getFile());
        EXPECT_TRUE (host.isStarted());
        EXPECT_TRUE (waitForText (console.getFile(), "Wrote " + outputImage.getFullPathName(), 60000, 50))
            << console.getFile().loadFileAsString();
        host.requestStop();
        EXPECT_EQ (host.waitForExit (30000), 0);
        return console.getFile().loadFileAsString();
    }
}

TEST (TorvoHostImageOptions, BadValuesEndTheHostWithCodeOneAndOneMessageEach)
{
    const TemporaryFolder folder;
    const auto noFolder = folder.get().getChildFile ("missing").getChildFile ("out.pfm");
    const auto result = programs::run ("Torvo", { "--rendering-gamma=0", "--output=" + noFolder.getFullPathName(), "--input" });

    EXPECT_EQ (result.exitCode, 1) << result.output;
    EXPECT_TRUE (result.output.contains ("Option --rendering-gamma needs a finite number above 0")) << result.output;
    EXPECT_TRUE (result.output.contains ("Cannot write the output image " + noFolder.getFullPathName() + ": the folder "
                                         + noFolder.getParentDirectory().getFullPathName() + " does not exist")) << result.output;
    EXPECT_TRUE (result.output.contains ("Option --input needs a file: --input=FILE")) << result.output;
    EXPECT_TRUE (result.output.contains ("Usage: Torvo")) << result.output;
}

TEST (TorvoHostImageOptions, AnUnreadableInputEndsTheHostWithCodeOne)
{
    const TemporaryFolder folder;
    const auto input = folder.get().getChildFile ("broken.pfm");
    ASSERT_TRUE (input.replaceWithText ("PF\n1920 1080\n-1\nnot enough"));
    const auto result = programs::run ("Torvo", { "--input=" + input.getFullPathName() });

    EXPECT_EQ (result.exitCode, 1) << result.output;
    EXPECT_TRUE (result.output.contains ("Cannot read the input image " + input.getFullPathName() + ": the PFM data is truncated"))
        << result.output;
}

TEST (TorvoHostImageOptions, WithoutGradesTheInputIsWrittenUnchanged)
{
    const TemporaryFolder folder;
    const auto input = folder.get().getChildFile ("in.pfm");
    const auto output = folder.get().getChildFile ("out.pfm");
    FloatImage image (3, 2, { 0.25f, -1.0f, 6.5f, 1.0f });
    image.setPixel (2, 1, { 0.0f, 0.5f, 1.0f, 1.0f });
    ASSERT_TRUE (imagefiles::write (input, image));

    const auto console = runHostUntilWritten ({ "--input=" + input.getFullPathName(), "--output=" + output.getFullPathName(),
                                                "--rendering-gamma=2.4" }, output);
    EXPECT_TRUE (console.contains ("Image: " + input.getFullPathName() + " (3x2)")) << console;

    FloatImage written;
    ASSERT_TRUE (imagefiles::read (output, written));
    EXPECT_EQ (written, image);
}

TEST (TorvoHostImageOptions, WithoutInputTheGeneratedChartIsWritten)
{
    const TemporaryFolder folder;
    const auto output = folder.get().getChildFile ("chart.pfm");
    const auto console = runHostUntilWritten ({ "--output=" + output.getFullPathName() }, output);
    EXPECT_TRUE (console.contains ("Image: the generated test chart (1920x1080)")) << console;

    FloatImage written;
    ASSERT_TRUE (imagefiles::read (output, written));
    EXPECT_TRUE (written == graphics::reference::makeTestChart());
}
