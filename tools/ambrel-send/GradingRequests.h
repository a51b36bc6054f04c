#pragma once

#include <juce_core/juce_core.h>
#include <array>
#include <vector>

namespace ambrel
{

/** An ASC CDL as the client sends it. */
struct CdlParameters
{
    std::array<double, 3> slope { 1.0, 1.0, 1.0 };
    std::array<double, 3> offset { 0.0, 0.0, 0.0 };
    std::array<double, 3> power { 1.0, 1.0, 1.0 };
    double saturation = 1.0;
};

/** {"command": "hello", "version": "1.0"}. */
juce::var makeHelloRequest();

/** {"command": "ping"}. */
juce::var makePingRequest();

/** A setCDL request for the given channels (none: the server's default). */
juce::var makeSetCdlRequest (const juce::StringArray& channels, const CdlParameters& cdl);

/** A setLUT request; data holds size³ entries laid out for dataType. */
juce::var makeSetLutRequest (const juce::StringArray& channels, int size, const juce::String& dataType, juce::MemoryBlock data);

} // namespace ambrel
