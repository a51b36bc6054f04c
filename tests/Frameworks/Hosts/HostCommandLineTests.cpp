#include <HostCommandLine.h>
#include <TemporaryFolder.h>
#include <gtest/gtest.h>

namespace
{
    HostCommandLine parse (const juce::StringArray& arguments)
    {
        return HostCommandLine::parse (arguments);
    }
}

TEST (HostCommandLine, ReadsTheImageAndGradeOptions)
{
    const TemporaryFolder folder;
    const auto output = folder.get().getChildFile ("out.pfm");
    const auto commandLine = parse ({ "--input=photo.png", "--grade=Main", "--grade=", "--grade", "--grade=Second",
                                      "--output=" + output.getFullPathName(), "--rendering-gamma=1.0", "--preview",
                                      "--preview-snapshot=shot.png", "Ambrel.so" });

    EXPECT_TRUE (commandLine.isUsable()) << commandLine.errors.joinIntoString ("\n");
    EXPECT_EQ (commandLine.input, juce::File::getCurrentWorkingDirectory().getChildFile ("photo.png"));
    EXPECT_EQ (commandLine.grades, juce::StringArray ({ "Main", "", "", "Second" }));
    EXPECT_EQ (commandLine.output, output);
    EXPECT_EQ (commandLine.renderingGamma, 1.0);
    EXPECT_TRUE (commandLine.preview);
    EXPECT_EQ (commandLine.previewSnapshot, juce::File::getCurrentWorkingDirectory().getChildFile ("shot.png"));
    ASSERT_EQ (commandLine.plugins.size(), 1);
    EXPECT_EQ (commandLine.plugins[0].getFileName(), "Ambrel.so");
}

TEST (HostCommandLine, DefaultsToTheChartWithoutOutputAtGammaTwoPointTwo)
{
    const auto commandLine = parse ({});
    EXPECT_TRUE (commandLine.isUsable());
    EXPECT_EQ (commandLine.input, juce::File());
    EXPECT_EQ (commandLine.output, juce::File());
    EXPECT_TRUE (commandLine.grades.isEmpty());
    EXPECT_EQ (commandLine.renderingGamma, 2.2);
    EXPECT_FALSE (commandLine.preview);
}

TEST (HostCommandLine, RefusesUnusableValuesWithOneMessageEach)
{
    struct Case
    {
        juce::String argument, error;
    };

    const Case cases[] = {
        { "--input", "Option --input needs a file: --input=FILE" },
        { "--input=", "Option --input needs a file: --input=FILE" },
        { "--output=", "Option --output needs a file: --output=FILE" },
        { "--output=frame.tiff", ": unknown image type \".tiff\" (use .png or .pfm)" },
        { "--rendering-gamma=0", "Option --rendering-gamma needs a finite number above 0 (--rendering-gamma=2.2), not \"0\"" },
        { "--rendering-gamma=-2.2", "not \"-2.2\"" },
        { "--rendering-gamma=inf", "not \"inf\"" },
        { "--rendering-gamma=nan", "not \"nan\"" },
        { "--rendering-gamma=2.2x", "not \"2.2x\"" },
        { "--rendering-gamma", "not \"\"" },
        { "--preview-snapshot=shot.png", "Option --preview-snapshot needs --preview" },
        { "--preview-snapshot", "Option --preview-snapshot needs a file: --preview-snapshot=FILE" },
        { "--tool", "Option --tool needs a class name: --tool=CLASS" },
        { "--status-port=0", "Option --status-port needs a port from 1 to 65535 (--status-port=8090), not \"0\"" },
        { "--status-port=65536", "not \"65536\"" },
        { "--status-port=80a", "not \"80a\"" },
        { "--status-port=-1", "not \"-1\"" },
        { "--status-port", "not \"\"" },
        { "--output-state=2147483648", "Option --output-state needs a 32-bit whole number (--output-state=2), not \"2147483648\"" },
        { "--output-state=99999999999999999999", "not \"99999999999999999999\"" },
        { "--output-state=two", "not \"two\"" },
        { "--output-state=", "not \"\"" },
        { "--project=", "Option --project needs a file: --project=FILE" },
    };

    for (const auto& c : cases)
    {
        const auto commandLine = parse ({ c.argument });
        EXPECT_FALSE (commandLine.isUsable()) << c.argument;
        ASSERT_EQ (commandLine.errors.size(), 1) << c.argument;
        EXPECT_TRUE (commandLine.errors[0].contains (c.error)) << c.argument << " -> " << commandLine.errors[0];
    }
}

TEST (HostCommandLine, AFileOptionGivenTwiceIsAnError)
{
    const auto commandLine = parse ({ "--input=a.pfm", "--input=b.pfm" });
    EXPECT_EQ (commandLine.errors, juce::StringArray ("Option --input is given more than once"));
    EXPECT_EQ (commandLine.input.getFileName(), "a.pfm");
}

TEST (HostCommandLine, OptionsItDoesNotKnowStayUnknown)
{
    const auto commandLine = parse ({ "--preview=yes", "--inputs=a.png", "-x" });
    EXPECT_EQ (commandLine.unknownOptions, juce::StringArray ({ "--preview=yes", "--inputs=a.png", "-x" }));
    EXPECT_FALSE (commandLine.preview);
    EXPECT_FALSE (commandLine.isUsable());
}

TEST (HostCommandLine, ReadsTheStatusAndToolOptions)
{
    const auto defaults = parse ({});
    EXPECT_FALSE (defaults.statusPort.has_value()) << "the network configuration says, unless the option does";
    EXPECT_TRUE (defaults.tool.isEmpty());
    EXPECT_FALSE (defaults.onAir);
    EXPECT_FALSE (defaults.greenLight);
    EXPECT_EQ (defaults.outputState, 0);

    const auto commandLine = parse ({ "--tool=VitrelTool", "--status-port=9001", "--project=Shows/Finale.torvo", "--on-air",
                                      "--green-light", "--output-state=-2147483648" });
    EXPECT_TRUE (commandLine.isUsable()) << commandLine.errors.joinIntoString ("\n");
    EXPECT_EQ (commandLine.tool, "VitrelTool");
    EXPECT_EQ (commandLine.statusPort.value_or (0), 9001);
    EXPECT_EQ (commandLine.project, juce::File::getCurrentWorkingDirectory().getChildFile ("Shows/Finale.torvo"));
    EXPECT_TRUE (commandLine.onAir);
    EXPECT_TRUE (commandLine.greenLight);
    EXPECT_EQ (commandLine.outputState, std::numeric_limits<juce::int32>::min());

    EXPECT_EQ (parse ({ "--tool=A", "--tool=B" }).errors, juce::StringArray ("Option --tool is given more than once"));
    EXPECT_EQ (parse ({ "--on-air=yes" }).unknownOptions, juce::StringArray ("--on-air=yes"));
}
