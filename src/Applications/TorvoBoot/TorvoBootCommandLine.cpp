#include "TorvoBootCommandLine.h"
#include <hostsys/TorvoBootCommandId.h>
#include <optional>

namespace
{
    std::optional<juce::String> findOption (const std::map<juce::String, juce::String>& arguments,
                                            const char* shortForm, const char* longForm)
    {
        for (auto* name : { shortForm, longForm })
            if (auto it = arguments.find (name); it != arguments.end())
                return it->second;

        return std::nullopt;
    }
}

TorvoBootCommandLine TorvoBootCommandLine::parse (const std::map<juce::String, juce::String>& arguments)
{
    TorvoBootCommandLine result;

    if (findOption (arguments, "-i", "--install"))
    {
        result.action = Action::install;
    }
    else if (findOption (arguments, "-u", "--uninstall"))
    {
        result.action = Action::uninstall;
    }
    else if (const auto command = findOption (arguments, "-c", "--command"))
    {
        result.action = Action::sendCommand;
        result.commandName = *command;

        // An index that is not exactly an application's (or all of them) is
        // refused: read loosely, "287" or "all" would address another one.
        if (const auto index = findOption (arguments, "-a", "--application"))
        {
            result.applicationIndexError = checkApplicationIndex (*index);

            if (result.applicationIndexError.isEmpty())
                result.applicationIndex = (juce::uint8) index->getIntValue();
        }
    }

    return result;
}

juce::String TorvoBootCommandLine::checkApplicationIndex (const juce::String& text)
{
    const juce::String range ("(0 to " + juce::String (os::allApplicationsIndex) + ")");

    if (text.isEmpty() || ! text.containsOnly ("0123456789"))
        return "Application index " + text.quoted() + " is not a number " + range;

    // Leading zeros aside, more than two digits is out of range whatever they say.
    const auto digits = text.trimCharactersAtStart ("0");

    if (digits.length() > 2 || digits.getIntValue() > os::allApplicationsIndex)
        return "Application index " + text + " is out of range " + range;

    return {};
}

juce::StringArray TorvoBootCommandLine::getUsageLines (const juce::String& serviceName)
{
    const auto quotedName = serviceName.quoted();

    return { "Usage: -i/--install | -u/--uninstall | -c/--command=<id> [-a/--application=<index>]",
             "  command ids: prepareVoluntaryStop, startApplication, killApplication",
             "To start service use: ",
             "  net start " + quotedName,
             "To stop service use: ",
             "  net stop " + quotedName,
             "To query service state, use: ",
             "  sc query " + quotedName };
}
