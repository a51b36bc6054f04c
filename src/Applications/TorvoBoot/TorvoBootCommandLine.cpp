#include "TorvoBootCommandLine.h"
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

        // Only the low eight bits of the index travel; text that is no number reads as 0.
        if (const auto index = findOption (arguments, "-a", "--application"))
            result.applicationIndex = (juce::uint8) (index->getIntValue() & 0xff);
    }

    return result;
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
