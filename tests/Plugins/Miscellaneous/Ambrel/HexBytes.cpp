#include "HexBytes.h"

namespace torvo::test
{

std::vector<juce::uint8> fromHex (const juce::String& hex)
{
    const auto digits = hex.removeCharacters (" \n\t");

    if (digits.length() % 2 != 0 || ! digits.containsOnly ("0123456789abcdefABCDEF"))
        return {};

    std::vector<juce::uint8> bytes;

    for (int i = 0; i < digits.length(); i += 2)
        bytes.push_back ((juce::uint8) digits.substring (i, i + 2).getHexValue32());

    return bytes;
}

juce::String toHex (const std::vector<juce::uint8>& bytes)
{
    return juce::String::toHexString (bytes.data(), (int) bytes.size(), 0).toUpperCase();
}

juce::String normalisedHex (const juce::String& hex)
{
    return toHex (fromHex (hex));
}

} // namespace torvo::test
