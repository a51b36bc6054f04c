#include "AmbrelCdlData.h"
#include "AmbrelCdlIdentifier.h"
#include "AmbrelDevice.h"
#include "AmbrelLutIdentifier.h"
#include "AmbrelLutInfo.h"
#include "GradingProtocol.h"
#include "LutTable.h"
#include "RequestValues.h"
#include <optional>
#include <set>

namespace torvo
{

namespace
{
    /** The names in first-seen order, each once: a command that repeats a
        channel changes and announces it once, and the work under the channel
        lock is bounded by the channels that exist, not by the request. */
    juce::StringArray withoutRepeats (const juce::StringArray& channels)
    {
        std::set<juce::String> seen;
        juce::StringArray unique;

        for (auto& name : channels)
            if (seen.insert (name).second)
                unique.add (name);

        return unique;
    }

    /** Under channelLock: when every target names a channel, applies write to
        each target's state in order and returns nothing; otherwise changes
        nothing and returns the first unknown name. */
    template <typename Write>
    std::optional<juce::String> writeChannels (AmbrelDevice& device, const juce::StringArray& channels, Write&& write)
    {
        const juce::ScopedLock sl (device.getChannelLock());
        auto& states = device.getChannelTablesLocked().channelStates;

        for (auto& name : channels)
            if (states.count (name) == 0)
                return name;

        for (auto& name : channels)
            write (*states.at (name));

        return std::nullopt;
    }

    CdlValues readCdl (const juce::var& request)
    {
        CdlValues cdl;
        const auto slope = readRgbTriple (request, "slope", 1.0);
        const auto offset = readRgbTriple (request, "offset", 0.0);
        const auto power = readRgbTriple (request, "power", 1.0);

        for (size_t i = 0; i < 3; ++i)
        {
            cdl.slope[i] = slope[i];
            cdl.offset[i] = offset[i];
            cdl.power[i] = power[i];
        }

        cdl.saturation = readRequestDouble (request.getProperty ("saturation", 1.0));
        return cdl;
    }
}

std::vector<juce::uint8> handleSetCdl (AmbrelDevice& device, const juce::var& request, const juce::StringArray& requested)
{
    const auto channels = withoutRepeats (requested);
    const auto cdl = readCdl (request);

    const auto unknown = writeChannels (device, channels, [&cdl] (ChannelState& state)
    {
        state.cdl = cdl;
        ++state.cdlVersion;
        state.lastUpdate = ChannelUpdate::cdl;
    });

    if (unknown.has_value())
        return makeErrorReply (unknownChannel, "Unknown channel: " + *unknown);

    for (auto& name : channels)
        device.sendControllerChangedNotification (AmbrelCdlIdentifier (name), AmbrelCdlData (cdl), -1.0, true);

    return makeOkReply();
}

std::vector<juce::uint8> handleSetLut (AmbrelDevice& device, const juce::var& request, const juce::StringArray& requested)
{
    LutTable table;

    if (const auto problem = readLutTable (request, table); problem.isNotEmpty())
        return makeErrorReply (invalidLut, problem);

    const auto channels = withoutRepeats (requested);

    const auto unknown = writeChannels (device, channels, [&table] (ChannelState& state)
    {
        state.lutData = table.texels;
        state.lutSize = table.size;
        ++state.lutVersion;
        state.lastUpdate = ChannelUpdate::lut;
    });

    if (unknown.has_value())
        return makeErrorReply (unknownChannel, "Unknown channel: " + *unknown);

    for (auto& name : channels)
        device.sendControllerChangedNotification (AmbrelLutIdentifier (name), AmbrelLutInfo (table.size, table.dataType), -1.0, true);

    return makeOkReply();
}

} // namespace torvo
