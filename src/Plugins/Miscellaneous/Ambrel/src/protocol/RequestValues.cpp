#include "protocol/RequestValues.h"
#include <cmath>
#include <limits>

namespace torvo
{

namespace
{
    constexpr auto int32Min = std::numeric_limits<juce::int32>::min();
    constexpr auto int32Max = std::numeric_limits<juce::int32>::max();

    juce::String describeDouble (double value)
    {
        if (std::isnan (value))
            return "(double NaN)";

        if (std::isinf (value))
            return value > 0 ? "(double inf)" : "(double -inf)";

        return juce::var (value).toString();
    }

    juce::int32 clampToInt32 (double value)
    {
        if (std::isnan (value))
            return 0;

        if (value <= (double) int32Min)
            return int32Min;

        if (value >= (double) int32Max)
            return int32Max;

        return (juce::int32) value;
    }

    juce::int32 clampToInt32 (juce::int64 value)
    {
        return (juce::int32) juce::jlimit ((juce::int64) int32Min, (juce::int64) int32Max, value);
    }

    /** The text with every exponent beyond four digits cut to 9999, which
        still means infinity or zero: the number parser accumulates exponent
        digits in an int and would overflow on longer ones. */
    juce::String limitExponentDigits (const juce::String& text)
    {
        const auto exponentStart = text.indexOfAnyOf ("eE");

        if (exponentStart < 0)
            return text;

        auto digits = exponentStart + 1;

        if (text[digits] == '+' || text[digits] == '-')
            ++digits;

        while (text[digits] == '0')
            ++digits;

        auto end = digits;

        while (juce::CharacterFunctions::isDigit (text[end]))
            ++end;

        if (end - digits <= 4)
            return text;

        return text.substring (0, digits) + "9999" + text.substring (end);
    }
}

juce::String describeRequestValue (const juce::var& value)
{
    if (value.isString() || value.isVoid() || value.isUndefined() || value.isInt() || value.isInt64() || value.isBool())
        return value.toString();

    if (value.isDouble())
        return describeDouble ((double) value);

    if (value.isBinaryData())
        return "(binary)";

    if (value.isArray())
        return "(array)";

    if (value.getDynamicObject() != nullptr)
        return "(document)";

    return "(other)";
}

juce::int32 readRequestInt32 (const juce::var& value)
{
    if (value.isInt() || value.isBool())
        return (juce::int32) value;

    if (value.isInt64())
        return clampToInt32 ((juce::int64) value);

    if (value.isDouble())
        return clampToInt32 ((double) value);

    if (value.isString())
        return parseLeadingInt32 (value.toString());

    return 0;
}

juce::int32 parseLeadingInt32 (const juce::String& text)
{
    auto p = text.getCharPointer().findEndOfWhitespace();
    const bool negative = *p == '-';

    if (negative)
        ++p;

    juce::int64 magnitude = 0;

    for (; p.isDigit(); ++p)
        magnitude = juce::jmin ((juce::int64) int32Max + 1, magnitude * 10 + (*p - '0'));

    return clampToInt32 (negative ? -magnitude : magnitude);
}

double readRequestDouble (const juce::var& value)
{
    if (value.isString())
        return limitExponentDigits (value.toString()).getDoubleValue();

    if (value.isInt() || value.isInt64() || value.isDouble() || value.isBool())
        return (double) value;

    return 0.0;
}

} // namespace torvo
