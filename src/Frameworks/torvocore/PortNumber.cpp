#include "torvocore/PortNumber.h"

namespace torvo
{

bool PortNumber::fromText (const juce::String& text, juce::uint64& result, juce::String& problem) const
{
    juce::uint64 number = 0;

    if (! PositiveInteger::fromText (text, number, problem) || number < lowest || number > highest)
    {
        problem = "a port is a whole number from " + juce::String (lowest) + " to " + juce::String (highest)
                + ", not \"" + text + "\"";
        return false;
    }

    result = number;
    return true;
}

} // namespace torvo
