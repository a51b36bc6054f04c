#include "tavcore/String.h"

namespace tav
{

namespace
{
    /** Looks up a variable; false when it is not set. */
    bool lookUpVariable (const juce::String& name, juce::String& value)
    {
        static const juce::String unset ("\x01unset\x01");
        value = juce::SystemStats::getEnvironmentVariable (name, unset);
        return value != unset;
    }
}

juce::String String::expandEnvironmentVariables (const juce::String& text)
{
    juce::String result;
    int i = 0;

    while (i < text.length())
    {
        const bool percent = text[i] == '%';
        const bool dollar = text[i] == '$' && text[i + 1] == '{';

        if (percent || dollar)
        {
            const int nameStart = i + (percent ? 1 : 2);
            const int nameEnd = text.indexOfChar (nameStart, percent ? '%' : '}');
            juce::String value;

            if (nameEnd > nameStart && lookUpVariable (text.substring (nameStart, nameEnd), value))
            {
                result << value;
                i = nameEnd + 1;
                continue;
            }
        }

        result << juce::String::charToString (text[i]);
        ++i;
    }

    return result;
}

} // namespace tav
