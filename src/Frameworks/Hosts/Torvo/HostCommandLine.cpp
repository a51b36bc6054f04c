#include "HostCommandLine.h"

#include "ImageFiles.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace
{
    /** One "--name=value" or "--name" argument, split. */
    struct Option
    {
        juce::String name, value;
        bool hasValue = false;

        explicit Option (const juce::String& argument)
            : name (argument.upToFirstOccurrenceOf ("=", false, false)),
              value (argument.fromFirstOccurrenceOf ("=", false, false)),
              hasValue (argument.containsChar ('='))
        {
        }
    };

    juce::File fileFromArgument (const juce::String& path)
    {
        return juce::File::getCurrentWorkingDirectory().getChildFile (path);
    }

    /** The gamma's value, or 0 when the text is not a finite number. */
    double parseGamma (const juce::String& text)
    {
        const auto utf8 = text.trim().toStdString();
        char* end = nullptr;
        const auto value = utf8.empty() ? 0.0 : std::strtod (utf8.c_str(), &end);
        return (end == utf8.c_str() + utf8.size() && std::isfinite (value)) ? value : 0.0;
    }

    /** Reads the value of a file option once; false when the option gave no usable value. */
    bool takeFileValue (const Option& option, juce::File& file, juce::StringArray& errors)
    {
        if (! option.hasValue || option.value.isEmpty())
            errors.add ("Option " + option.name + " needs a file: " + option.name + "=FILE");
        else if (file != juce::File())
            errors.add ("Option " + option.name + " is given more than once");
        else
            file = fileFromArgument (option.value);

        return file != juce::File();
    }

    void takeGamma (const Option& option, HostCommandLine& commandLine)
    {
        const auto gamma = parseGamma (option.value);

        if (gamma > 0.0)
            commandLine.renderingGamma = gamma;
        else
            commandLine.errors.add ("Option --rendering-gamma needs a finite number above 0 (--rendering-gamma=2.2), not \""
                                    + option.value + "\"");
    }

    void checkOutput (const Option& option, HostCommandLine& commandLine)
    {
        if (! takeFileValue (option, commandLine.output, commandLine.errors))
            return;

        const auto checked = imagefiles::checkOutput (commandLine.output);

        if (checked.failed())
            commandLine.errors.add (checked.getErrorMessage());
    }

    /** The whole number of a text of decimal digits (a leading '-' allowed
        when negatives are), if it lies in [minimum, maximum]. */
    std::optional<juce::int64> parseWholeNumber (const juce::String& text, juce::int64 minimum, juce::int64 maximum)
    {
        const auto digits = text.startsWithChar ('-') ? text.substring (1) : text;

        if (digits.isEmpty() || digits.length() > 10 || ! digits.containsOnly ("0123456789"))
            return std::nullopt;

        const auto value = text.getLargeIntValue();
        return value >= minimum && value <= maximum ? std::optional<juce::int64> (value) : std::nullopt;
    }

    void takeStatusPort (const Option& option, HostCommandLine& commandLine)
    {
        if (const auto port = parseWholeNumber (option.value, 1, 65535))
            commandLine.statusPort = (int) *port;
        else
            commandLine.errors.add ("Option --status-port needs a port from 1 to 65535 (--status-port=8090), not \"" + option.value + "\"");
    }

    void takeOutputState (const Option& option, HostCommandLine& commandLine)
    {
        if (const auto state = parseWholeNumber (option.value, std::numeric_limits<juce::int32>::min(), std::numeric_limits<juce::int32>::max()))
            commandLine.outputState = (juce::int32) *state;
        else
            commandLine.errors.add ("Option --output-state needs a 32-bit whole number (--output-state=2), not \"" + option.value + "\"");
    }

    void takeTool (const Option& option, HostCommandLine& commandLine)
    {
        if (option.value.isEmpty())
            commandLine.errors.add ("Option --tool needs a class name: --tool=CLASS");
        else if (commandLine.tool.isNotEmpty())
            commandLine.errors.add ("Option --tool is given more than once");
        else
            commandLine.tool = option.value;
    }

    /** Applies one of the options of the host's status; false when it is none of them. */
    bool takeStatusOption (const Option& option, HostCommandLine& commandLine)
    {
        if (option.name == "--tool")
            takeTool (option, commandLine);
        else if (option.name == "--status-port")
            takeStatusPort (option, commandLine);
        else if (option.name == "--output-state")
            takeOutputState (option, commandLine);
        else if (option.name == "--project")
            takeFileValue (option, commandLine.project, commandLine.errors);
        else if (option.name == "--on-air" && ! option.hasValue)
            commandLine.onAir = true;
        else if (option.name == "--green-light" && ! option.hasValue)
            commandLine.greenLight = true;
        else
            return false;

        return true;
    }

    /** Applies one option that starts with "--"; false when the host does not know it. */
    bool takeOption (const Option& option, HostCommandLine& commandLine)
    {
        if (option.name == "--input")
            takeFileValue (option, commandLine.input, commandLine.errors);
        else if (option.name == "--output")
            checkOutput (option, commandLine);
        else if (option.name == "--grade")
            commandLine.grades.add (option.value);
        else if (option.name == "--rendering-gamma")
            takeGamma (option, commandLine);
        else if (option.name == "--preview" && ! option.hasValue)
            commandLine.preview = true;
        else if (option.name == "--preview-snapshot")
            takeFileValue (option, commandLine.previewSnapshot, commandLine.errors);
        else
            return takeStatusOption (option, commandLine);

        return true;
    }
}

HostCommandLine HostCommandLine::parse (const juce::StringArray& arguments)
{
    HostCommandLine commandLine;

    for (auto& argument : arguments)
    {
        if (argument == "-h" || argument == "--help")
            commandLine.showHelp = true;
        else if (argument.startsWith ("-"))
        {
            if (! (argument.startsWith ("--") && takeOption (Option (argument), commandLine)))
                commandLine.unknownOptions.add (argument);
        }
        else if (argument.isNotEmpty())
            commandLine.plugins.add (fileFromArgument (argument));
    }

    if (commandLine.previewSnapshot != juce::File() && ! commandLine.preview)
        commandLine.errors.add ("Option --preview-snapshot needs --preview");

    return commandLine;
}

juce::StringArray HostCommandLine::getUsageLines()
{
    return { "Usage: Torvo [-h | --help] [--input=FILE] [--grade=CHANNEL]... [--output=FILE]",
             "             [--rendering-gamma=G] [--preview [--preview-snapshot=FILE]]",
             "             [--tool=CLASS] [--status-port=N] [--project=FILE] [--on-air]",
             "             [--green-light] [--output-state=N] [plug-in file...]",
             "Loads the plug-ins named on the command line, or else every plug-in in the",
             "folder plugins beside the program's folder (../plugins from bin/), creates and",
             "initialises one device per device factory, adds one grading element per",
             "--grade and, at 60 frames per second, updates the devices, renders the image",
             "through the grades when one of them or the image changed, writes each new",
             "result to --output and prints each device's and grade's status when it changes.",
             "Ctrl+C or SIGTERM deinitialises the devices, unloads the plug-ins and exits.",
             "  -h, --help             show this text",
             "  --input=FILE           the image to grade: .png, .jpg, .jpeg or .pfm (Portable",
             "                         Float Map); without it, a generated 1920x1080 test chart",
             "  --grade=CHANNEL        a grading channel to apply, repeatable, applied in order;",
             "                         empty: a generated channel name",
             "  --output=FILE          where the image is written, replacing the file: .png (8",
             "                         bits per component) or .pfm (32-bit float)",
             "  --rendering-gamma=G    the gamma that the image's values are encoded with",
             "                         (default 2.2, the gamma that grades are authored on)",
             "  --preview              show the graded image live in a window, with each",
             "                         grade's status under it",
             "  --preview-snapshot=FILE  also save what the window shows as a PNG after each",
             "                         change (to check a preview nobody looks at)",
             "  --tool=CLASS           run the tool of that class from the loaded plug-ins",
             "                         (VitrelTool: the front panel); without it, no tool runs",
             "  --status-port=N        publish the status once per second over UDP to port N",
             "                         of the network configuration's status address, where the",
             "                         launcher listens (default: the configuration's, 8090)",
             "  --project=FILE         the project file the status names (default: --input)",
             "  --on-air, --green-light  the on-air and green-light states the status shows",
             "  --output-state=N       the output state code the status shows (2: active)",
             "Environment: AMBREL_PORT chooses the grading device's TCP port (default 8089);",
             "TORVO_NET_CONFIGURATION names the network configuration file to read." };
}
