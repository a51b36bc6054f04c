#include "hostsys/ConsoleProcess.h"

namespace os
{

namespace
{
    bool isArgumentSeparator (juce::juce_wchar c) noexcept
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r';
    }
}

juce::StringArray ConsoleProcess::splitCommandLine (const juce::String& commandLine)
{
    juce::StringArray arguments;
    juce::String current;
    bool inArgument = false;   // distinguishes an empty quoted argument from no argument
    bool inQuotes = false;

    for (auto p = commandLine.getCharPointer(); ! p.isEmpty();)
    {
        const auto c = p.getAndAdvance();

        if (c == '\\')
        {
            int backslashes = 1;

            while (*p == '\\')
            {
                ++backslashes;
                ++p;
            }

            inArgument = true;

            if (*p != '"')
            {
                current << juce::String::repeatedString ("\\", backslashes);
                continue;
            }

            // Before a quote, pairs of backslashes are escaped backslashes and
            // an odd one out escapes the quote itself.
            current << juce::String::repeatedString ("\\", backslashes / 2);

            if (backslashes % 2 != 0)
            {
                current << '"';
                ++p;
            }
        }
        else if (c == '"')
        {
            inQuotes = ! inQuotes;
            inArgument = true;
        }
        else if (isArgumentSeparator (c) && ! inQuotes)
        {
            if (inArgument)
                arguments.add (current);

            current.clear();
            inArgument = false;
        }
        else
        {
            current << juce::String::charToString (c);
            inArgument = true;
        }
    }

    if (inArgument)
        arguments.add (current);

    return arguments;
}

} // namespace os
