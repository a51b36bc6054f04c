#pragma once

#include <tavcore/State.h>

namespace torvo
{

/** The grade's shader text, unpacked from the LZ4 block the library carries;
    fails only when that block is damaged. */
juce::Result unpackAmbrelShaderSource (tav::State& source);

} // namespace torvo
