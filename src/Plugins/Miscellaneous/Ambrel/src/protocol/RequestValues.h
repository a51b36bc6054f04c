#pragma once

#include <juce_core/juce_core.h>

namespace torvo
{

//==============================================================================
/** The text form of a request element as error messages and the handshake use
    it: strings as they are, numbers and booleans as juce::var writes them, and
    for any other kind its type in parentheses, so that no address, no encoded
    blob and no undefined conversion of a non-finite number reaches a reply. */
juce::String describeRequestValue (const juce::var& value);

/** A request element as a 32-bit integer: numbers truncated towards zero and
    clamped to the int32 range, NaN as 0, texts by their leading integer,
    booleans as 0 or 1, any other kind as 0. */
juce::int32 readRequestInt32 (const juce::var& value);

/** The integer that a text starts with (after white space and an optional
    minus sign), clamped to the int32 range; 0 when it starts with no digit. */
juce::int32 parseLeadingInt32 (const juce::String& text);

/** A request element as a double: numbers as they are, texts parsed as
    decimal numbers (huge exponents give infinity or zero), booleans as 0 or 1,
    any other kind as 0. */
double readRequestDouble (const juce::var& value);

} // namespace torvo
