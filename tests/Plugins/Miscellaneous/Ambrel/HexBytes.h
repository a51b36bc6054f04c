#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace torvo::test
{

/** Bytes written as hex digits; blanks between them are ignored, so fixtures
    can be grouped by field ("05 00 00 00  00"). Any other character is a
    broken fixture and yields an empty vector.
*/
std::vector<juce::uint8> fromHex (const juce::String& hex);

/** The bytes as upper-case hex digits without blanks, for comparing with fixtures. */
juce::String toHex (const std::vector<juce::uint8>& bytes);

/** The same fixture normalised like toHex, so that grouped fixtures compare with encoder output. */
juce::String normalisedHex (const juce::String& hex);

} // namespace torvo::test
