#pragma once

#include <juce_core/juce_core.h>

namespace torvo
{

//==============================================================================
/**
    The BSON element type codes that the grading link reads and writes.

    Any other code in received data is refused: the protocol never sends one,
    and accepting it would mean inventing a value for it.
*/
enum class BsonType : juce::uint8
{
    endOfDocument    = 0x00,
    float64          = 0x01,
    string           = 0x02,
    document         = 0x03,
    array            = 0x04,
    binary           = 0x05,
    boolean          = 0x08,
    null             = 0x0a,
    int32            = 0x10,
    int64            = 0x12
};

} // namespace torvo
