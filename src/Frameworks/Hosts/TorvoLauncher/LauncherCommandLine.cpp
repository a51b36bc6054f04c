#include "LauncherCommandLine.h"

namespace
{
    /** The port's number, or 0 when the text is not a whole number from 1 to 65535. */
    int parsePort (const juce::String& text)
    {
        if (text.isEmpty() || text.length() > 5 || ! text.containsOnly ("0123456789"))
            return 0;

        const auto port = text.getIntValue();
        return port >= 1 && port <= 65535 ? port : 0;
    }

    void takeStatusPort (const juce::String& argument, LauncherCommandLine& commandLine)
    {
        const auto value = argument.fromFirstOccurrenceOf ("=", false, false);
        const auto port = argument.containsChar ('=') ? parsePort (value) : 0;

        if (port != 0)
            commandLine.statusPort = port;
        else
            commandLine.errors.add ("Option --status-port needs a port from 1 to 65535 (--status-port=8090), not \"" + value + "\"");
    }
}

LauncherCommandLine LauncherCommandLine::parse (const juce::StringArray& arguments)
{
    LauncherCommandLine commandLine;
    for (auto& argument : arguments)
    {
        if (argument == "-h" || argument == "--help")
            commandLine.showHelp = true;
        else if (argument.upToFirstOccurrenceOf ("=", false, false) == "--status-port")
            takeStatusPort (argument, commandLine);
        else if (argument.startsWith ("-"))
            commandLine.unknownOptions.add (argument);
        else if (argument.isNotEmpty())
            commandLine.plugins.add (juce::File::getCurrentWorkingDirectory().getChildFile (argument));
    }

    return commandLine;
}

juce::StringArray LauncherCommandLine::getUsageLines()
{
    return { "Usage: TorvoLauncher [-h | --help] [--status-port=N] [plug-in file...]",
             "Loads the plug-ins named on the command line, or else every plug-in in the",
             "folder plugins beside the program's folder (../plugins from bin/), through",
             "their entry point createLauncherPlugin (libraries without it are skipped),",
             "creates one component of each class announced as a launcher component,",
             "starts their displays and refreshes them ten times per second with the",
             "status that the host Torvo publishes to the status address and port of the",
             "network configuration (TORVO_NET_CONFIGURATION names its file). When the",
             "host stops publishing, the components see its status age.",
             "Ctrl+C or SIGTERM stops the displays, unloads the plug-ins and exits.",
             "  -h, --help             show this text",
             "  --status-port=N        the UDP port the host publishes its status on",
             "                         (default: the configuration's, " + juce::String (torvo::ServerInformationPacket::defaultPort) + ")" };
}
