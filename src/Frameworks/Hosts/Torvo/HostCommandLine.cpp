#include "HostCommandLine.h"

HostCommandLine HostCommandLine::parse (const juce::StringArray& arguments)
{
    HostCommandLine commandLine;

    for (auto& argument : arguments)
    {
        if (argument == "-h" || argument == "--help")
            commandLine.showHelp = true;
        else if (argument.startsWith ("-"))
            commandLine.unknownOptions.add (argument);
        else if (argument.isNotEmpty())
            commandLine.plugins.add (juce::File::getCurrentWorkingDirectory().getChildFile (argument));
    }

    return commandLine;
}

juce::StringArray HostCommandLine::getUsageLines()
{
    return { "Usage: Torvo [-h | --help] [plug-in file...]",
             "Loads the plug-ins named on the command line, or else every plug-in in the",
             "folder plugins beside the program's folder (../plugins from bin/), creates and",
             "initialises one device per device factory, updates them at 60 frames per",
             "second and prints each device's status when it changes.",
             "Ctrl+C or SIGTERM deinitialises the devices, unloads the plug-ins and exits.",
             "  -h, --help   show this text",
             "Environment: AMBREL_PORT chooses the grading device's TCP port (default 8089)." };
}
