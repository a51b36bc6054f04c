#pragma once

#include <juce_core/juce_core.h>
#include <map>

//==============================================================================
/**
    What TorvoBoot's command line asks for. Options take their values after
    "=" ("-c=killApplication"); when both forms of an option are given the
    short one counts; install comes before uninstall, uninstall before a
    command, and only the first present is carried out.
*/
struct TorvoBootCommandLine
{
    enum class Action
    {
        runMonitor,     /**< no recognised option: run as a service or interactively */
        install,
        uninstall,
        sendCommand
    };

    /** Reads the argument map of tav::Program::getCommandLineArgumentsAndValues ("="). */
    static TorvoBootCommandLine parse (const std::map<juce::String, juce::String>& arguments);

    /** The usage block, one line per entry; serviceName is quoted in the hints. */
    static juce::StringArray getUsageLines (const juce::String& serviceName);

    /** Reads an application index: decimal digits naming 0 to 31. Anything
        else yields the message that refuses it. */
    static juce::String checkApplicationIndex (const juce::String& text);

    Action action = Action::runMonitor;
    juce::String commandName;               /**< the value of -c / --command */
    juce::uint8 applicationIndex = 31;      /**< -a / --application; 31 when absent */
    juce::String applicationIndexError;     /**< why -a was refused; empty when it names an index */
};
