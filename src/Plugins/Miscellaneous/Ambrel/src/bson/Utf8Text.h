#pragma once

#include <juce_core/juce_core.h>

namespace torvo
{

//==============================================================================
/**
    Turns received bytes into text without trusting them to be valid UTF-8.

    Well-formed input is taken as it is. Each ill-formed sequence (a stray
    continuation byte, a truncated, overlong or surrogate sequence, a code
    point above U+10FFFF) becomes one U+FFFD replacement character, using the
    longest valid prefix of the sequence as the part that is replaced, so the
    bytes after it are read again as a fresh start. juce::String cannot hold
    U+0000, so the text ends before the first zero byte.
*/
juce::String utf8ToString (const juce::uint8* bytes, size_t numBytes);

} // namespace torvo
