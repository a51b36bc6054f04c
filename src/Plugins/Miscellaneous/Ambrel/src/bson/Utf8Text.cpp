#include "bson/Utf8Text.h"

#include <cstring>
#include <string>

namespace torvo
{

namespace
{
    //==========================================================================
    struct Utf8Sequence
    {
        size_t length;    // bytes taken from the input
        bool isValid;     // false: those bytes are replaced by U+FFFD
    };

    // The ranges are those of the Unicode standard's table of well-formed
    // sequences; the second byte's range depends on the lead byte so that
    // overlong forms, surrogates and values above U+10FFFF are refused.
    Utf8Sequence scanSequence (const juce::uint8* bytes, size_t available) noexcept
    {
        const auto lead = bytes[0];

        if (lead < 0x80)
            return { 1, true };

        size_t continuationBytes = 0;
        juce::uint8 low = 0x80, high = 0xbf;

        if (lead >= 0xc2 && lead <= 0xdf)       { continuationBytes = 1; }
        else if (lead == 0xe0)                  { continuationBytes = 2; low = 0xa0; }
        else if (lead == 0xed)                  { continuationBytes = 2; high = 0x9f; }
        else if (lead >= 0xe1 && lead <= 0xef)  { continuationBytes = 2; }
        else if (lead == 0xf0)                  { continuationBytes = 3; low = 0x90; }
        else if (lead >= 0xf1 && lead <= 0xf3)  { continuationBytes = 3; }
        else if (lead == 0xf4)                  { continuationBytes = 3; high = 0x8f; }
        else                                    { return { 1, false }; }

        for (size_t i = 1; i <= continuationBytes; ++i)
        {
            if (i >= available || bytes[i] < low || bytes[i] > high)
                return { i, false };

            low = 0x80;
            high = 0xbf;
        }

        return { continuationBytes + 1, true };
    }

    bool isWellFormed (const juce::uint8* bytes, size_t numBytes) noexcept
    {
        for (size_t i = 0; i < numBytes;)
        {
            const auto sequence = scanSequence (bytes + i, numBytes - i);

            if (! sequence.isValid)
                return false;

            i += sequence.length;
        }

        return true;
    }

    // Takes a byte range rather than an int count, so that no length is
    // narrowed, and only ever sees text already known to be well formed.
    juce::String makeString (const char* utf8, size_t numBytes)
    {
        return juce::String (juce::CharPointer_UTF8 (utf8), juce::CharPointer_UTF8 (utf8 + numBytes));
    }

    juce::String replaceIllFormedSequences (const juce::uint8* bytes, size_t numBytes)
    {
        static constexpr char replacementCharacter[] = "\xef\xbf\xbd";

        std::string text;
        text.reserve (numBytes + 8);

        for (size_t i = 0; i < numBytes;)
        {
            const auto sequence = scanSequence (bytes + i, numBytes - i);

            if (sequence.isValid)
                text.append (reinterpret_cast<const char*> (bytes + i), sequence.length);
            else
                text.append (replacementCharacter);

            i += sequence.length;
        }

        return makeString (text.data(), text.size());
    }
}

//==============================================================================
juce::String utf8ToString (const juce::uint8* bytes, size_t numBytes)
{
    if (numBytes == 0)
        return {};

    if (const auto* zero = std::memchr (bytes, 0, numBytes))
        numBytes = (size_t) (static_cast<const juce::uint8*> (zero) - bytes);

    if (numBytes == 0)
        return {};

    if (isWellFormed (bytes, numBytes))
        return makeString (reinterpret_cast<const char*> (bytes), numBytes);

    return replaceIllFormedSequences (bytes, numBytes);
}

} // namespace torvo
