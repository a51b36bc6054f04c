#pragma once

#include "GradingRequests.h"

namespace ambrel
{

/** Reads the first colour correction of an ASC CDL file (.cdl, .cc or .ccc):
    its SOPNode slope, offset and power and its SatNode saturation. Returns
    an error text, or an empty text on success. */
juce::String readCdlFile (const juce::File& file, CdlParameters& cdl);

/** A 3D LUT read from a .cube file: size³ red, green, blue triples, red fastest. */
struct CubeLut
{
    int size = 0;
    std::vector<float> rgb;

    /** The entries as the protocol carries them: "float32" (r, g, b, 1 as
        binary32) or "uint16" (r, g, b scaled to 0..65535, clamped). */
    juce::MemoryBlock encode (const juce::String& dataType) const;
};

/** Reads a .cube file's 3D LUT. Returns an error text, or an empty text on success. */
juce::String readCubeFile (const juce::File& file, CubeLut& lut);

/** Parses cube text (the body of readCubeFile). */
juce::String parseCubeText (const juce::String& text, CubeLut& lut);

} // namespace ambrel
