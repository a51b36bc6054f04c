#include "HostRunning.h"
#include <ImageFiles.h>
#include <TemporaryFolder.h>
#include <TestPrograms.h>
#include <pixcore/reference/Grade.h>
#include <gtest/gtest.h>

namespace ref = graphics::reference;

// The real host with the real grading plug-in, graded by the real command
// line client: each grade it sends must reach the written image.
namespace
{
    const juce::String gradingPlugin = TORVO_HOST_GRADING_PLUGIN;

    /** Every pairing of components a float pipeline finds awkward: negative, 0, 1 and above 1 among them. */
    ref::FloatImage makeGridImage()
    {
        const float values[] = { -0.5f, 0.0f, 0.18f, 0.5f, 1.0f, 1.6f };
        constexpr int n = 6;
        ref::FloatImage image (n, n, { 0.0f, 0.0f, 0.0f, 1.0f });

        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                image.setPixel (x, y, { values[x], values[y], values[(x + y) % n], 1.0f });

        return image;
    }

    ref::Cdl makeWarmCdl()
    {
        ref::Cdl cdl;
        cdl.slope = { 1.1, 1.0, 0.9 };
        cdl.offset = { 0.02, 0.0, -0.01 };
        cdl.power = { 1.2, 1.0, 0.8 };
        cdl.saturation = 1.3;
        return cdl;
    }

    /** ambrel-send's options for a CDL: --slope=r,g,b and the like. */
    juce::StringArray toCdlOptions (const ref::Cdl& cdl)
    {
        const auto triple = [] (const char* name, const std::array<double, 3>& v)
        {
            return juce::String (name) + "=" + juce::String (v[0]) + "," + juce::String (v[1]) + "," + juce::String (v[2]);
        };

        return { triple ("--slope", cdl.slope), triple ("--offset", cdl.offset), triple ("--power", cdl.power),
                 "--saturation=" + juce::String (cdl.saturation) };
    }

    /** A LUT far from the identity, so that a LUT that did not arrive shows. */
    ref::Lut3d makeTintLut()
    {
        return ref::Lut3d::sample (9, [] (ref::Rgb<double> c) { return ref::Rgb<double> { c.g * 0.8 + 0.1, c.b * c.b, 1.0 - c.r * 0.5 }; });
    }

    /** The .cube text of a LUT, as a grading application exports it: red index fastest. */
    juce::String toCubeText (const ref::Lut3d& lut)
    {
        juce::MemoryOutputStream text;
        text << "TITLE \"tint\"\nLUT_3D_SIZE " << lut.getSize() << "\n";
        const auto& rgba = lut.getRgbaFloats();

        for (size_t i = 0; i < rgba.size(); i += 4)
            text << juce::String (rgba[i], 7) << " " << juce::String (rgba[i + 1], 7) << " " << juce::String (rgba[i + 2], 7) << "\n";

        return text.toString();
    }

    /** The largest difference between the written image and the reference grade of the input (in double). */
    double measureError (const juce::File& written, const ref::FloatImage& input, const ref::Grade& grade)
    {
        ref::FloatImage output;
        EXPECT_TRUE (imagefiles::read (written, output)) << written.getFullPathName();
        EXPECT_EQ (output.getWidth(), input.getWidth());
        EXPECT_EQ (output.getHeight(), input.getHeight());

        if (output.getPixels().size() != input.getPixels().size())
            return 1.0e9;

        double largest = 0.0;

        for (size_t i = 0; i < input.getPixels().size(); ++i)
        {
            const auto expected = ref::computeGrade<double> (input.getPixels()[i], grade, 2.2);
            const auto got = output.getPixels()[i];

            for (const auto difference : { got.r - expected.r, got.g - expected.g, got.b - expected.b })
                largest = std::max (largest, std::isnan (difference) ? 1.0e9 : (double) std::abs (difference));
        }

        return largest;
    }

    /** Runs the client against the host's port; its output when it failed. */
    ::testing::AssertionResult send (const hosttest::RunningHost& host, juce::StringArray arguments)
    {
        arguments.insert (0, "--port=" + juce::String (host.getPort()));
        const auto result = programs::run ("ambrel-send", arguments, 60000);

        if (result.exitCode == 0)
            return ::testing::AssertionSuccess();

        return ::testing::AssertionFailure() << "ambrel-send " << arguments.joinIntoString (" ")
                                             << " exited with " << result.exitCode << ":\n" << result.output;
    }
}

TEST (TorvoHostGradingEndToEnd, EachGradeTheClientSendsReachesTheWrittenImage)
{
    const TemporaryFolder folder;
    const auto input = folder.get().getChildFile ("in.pfm");
    const auto output = folder.get().getChildFile ("out.pfm");
    const auto cube = folder.get().getChildFile ("tint.cube");
    const auto image = makeGridImage();
    const auto lut = makeTintLut();
    ASSERT_TRUE (imagefiles::write (input, image));
    ASSERT_TRUE (cube.replaceWithText (toCubeText (lut)));

    hosttest::RunningHost host ({ gradingPlugin, "--input=" + input.getFullPathName(), "--output=" + output.getFullPathName(),
                                  "--grade=Main" });
    const auto wrote = "Wrote " + output.getFullPathName();

    // Before any grade: the identity CDL, which clamps negatives to zero.
    ASSERT_TRUE (host.waitForLines (wrote, 1)) << host.getConsole();
    ref::Grade grade;
    EXPECT_LE (measureError (output, image, grade), 1.0e-5);

    // A handshake alone changes no pixels.
    ASSERT_TRUE (send (host, { "hello" }));

    const auto cdl = makeWarmCdl();
    juce::StringArray setCdl { "--channel=Main", "setCDL" };
    setCdl.addArray (toCdlOptions (cdl));
    ASSERT_TRUE (send (host, setCdl));
    ASSERT_TRUE (host.waitForLines (wrote, 2)) << host.getConsole();
    grade.cdl = cdl;
    EXPECT_LE (measureError (output, image, grade), 1.0e-5);

    ASSERT_TRUE (send (host, { "--channel=Main", "setLUT", "--cube=" + cube.getFullPathName() }));
    ASSERT_TRUE (host.waitForLines (wrote, 3)) << host.getConsole();
    grade.lut = std::make_shared<ref::Lut3d> (lut);
    grade.cdlActive = false;
    EXPECT_LE (measureError (output, image, grade), 1.0e-4);

    EXPECT_EQ (host.stop(), 0);
    EXPECT_EQ (hosttest::countLines (host.getConsole(), wrote), 3) << "the handshake wrote a frame:\n" << host.getConsole();
}
