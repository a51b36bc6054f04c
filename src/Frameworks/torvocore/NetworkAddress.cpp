#include "torvocore/NetworkAddress.h"

namespace torvo
{

bool NetworkAddress::isValidAddress (const juce::String& text)
{
    juce::StringArray parts;
    parts.addTokens (text, ".", {});

    if (parts.size() != 4)
        return false;

    for (auto& part : parts)
        if (part.isEmpty() || part.length() > 3 || ! part.containsOnly ("0123456789") || part.getIntValue() > 255)
            return false;

    return true;
}

bool NetworkAddress::fromText (const juce::String& text, juce::String& result, juce::String& problem) const
{
    if (! isValidAddress (text))
    {
        problem = "an address is four numbers from 0 to 255 joined by dots (127.0.0.1), not \"" + text + "\"";
        return false;
    }

    result = text;
    return true;
}

} // namespace torvo
