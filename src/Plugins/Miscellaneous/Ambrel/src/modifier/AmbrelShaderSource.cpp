#include "modifier/AmbrelShaderSource.h"

namespace torvo
{

// Generated at build time from AmbrelColorModifier.sglsl.
extern const unsigned char ambrelShaderBlock[];
extern const std::size_t ambrelShaderBlockPackedSize;
extern const std::size_t ambrelShaderBlockFullSize;

juce::Result unpackAmbrelShaderSource (tav::State& source)
{
    return tav::State::fromLz4Block (ambrelShaderBlock, ambrelShaderBlockPackedSize, ambrelShaderBlockFullSize, source);
}

} // namespace torvo
