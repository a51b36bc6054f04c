#pragma once

#include <juce_core/juce_core.h>
#include <vector>

namespace torvo
{

//==============================================================================
/** The ten values of an ASC CDL, copied as one block. */
struct CdlValues
{
    double slope[3]  { 1.0, 1.0, 1.0 };  /**< red, green, blue */
    double offset[3] { 0.0, 0.0, 0.0 };
    double power[3]  { 1.0, 1.0, 1.0 };
    double saturation = 1.0;
};

/** What a channel received last. */
enum class ChannelUpdate : juce::int32
{
    nothing = 0,
    cdl = 1,
    lut = 2
};

//==============================================================================
/**
    One grading channel: the latest CDL and 3D LUT the grading application
    sent for it, and how many colour modifiers hold it. Shared between the
    grading device and the modifiers; every field is guarded by the device's
    channel lock.
*/
struct ChannelState
{
    CdlValues cdl;                          /**< last CDL (slope, offset, power, saturation) */
    juce::uint64 cdlVersion = 0;            /**< counts the setCDL commands that targeted the channel */
    std::vector<juce::uint8> lutData;       /**< lutSize³ texels of four floats, red index fastest */
    juce::int32 lutSize = 0;                /**< edge length of the last LUT */
    juce::uint64 lutVersion = 0;            /**< counts the setLUT commands that targeted the channel */
    ChannelUpdate lastUpdate = ChannelUpdate::nothing;
    juce::int32 users = 0;                  /**< modifiers holding the channel */
};

} // namespace torvo
