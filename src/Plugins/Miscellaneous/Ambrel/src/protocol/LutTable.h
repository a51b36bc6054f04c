#pragma once

#include <juce_core/juce_core.h>
#include <vector>

namespace torvo
{

//==============================================================================
/** A 3D LUT as a setLUT request carries it, checked and converted. */
struct LutTable
{
    juce::String dataType;              /**< "float32" or "uint16", as requested */
    juce::int32 size = 0;               /**< edge length */
    std::vector<juce::uint8> texels;    /**< size³ texels of four little-endian floats */
};

/** Reads the LUT of a setLUT request, checking its size, then the presence
    of its data, then the data type and length. Returns the error message of
    the first fault, or an empty text with table filled in. A size beyond the
    int32 range reads as the nearest int32 (NaN as 0), so it fails as too
    small or as a length mismatch, never as some smaller cube. */
juce::String readLutTable (const juce::var& request, LutTable& table);

/** Converts entries of three little-endian uint16 (red, green, blue) into
    texels of four floats: each value / 65535, then 1. */
void convertUint16Texels (const juce::uint8* entries, size_t numEntries, juce::uint8* texels);

} // namespace torvo
