#include "UserSessionLauncher.h"

juce::String buildLaunchCommandLine (const juce::String& executable, const juce::String& arguments)
{
    // No further quoting or escaping: arguments pass through as configured.
    auto commandLine = "\"" + executable + "\"";

    if (arguments.isNotEmpty())
        commandLine << " " << arguments;

    return commandLine;
}
