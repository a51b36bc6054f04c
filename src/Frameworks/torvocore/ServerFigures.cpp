#include "torvocore/ServerFigures.h"

namespace torvo
{

bool OutputState::fromText (const juce::String& text, juce::int32& result, juce::String& problem) const
{
    const auto digits = text.startsWithChar ('-') ? text.substring (1) : text;

    // Ten digits at most keeps the sum below in range before the bounds check.
    if (digits.isEmpty() || digits.length() > 10 || ! digits.containsOnly ("0123456789"))
    {
        problem = "expected a whole number, found \"" + text.substring (0, 40) + "\"";
        return false;
    }

    const auto value = text.getLargeIntValue();

    if (value < std::numeric_limits<juce::int32>::min() || value > std::numeric_limits<juce::int32>::max())
    {
        problem = "the number " + text + " does not fit 32 bits";
        return false;
    }

    result = (juce::int32) value;
    return true;
}

} // namespace torvo
