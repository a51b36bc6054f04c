#include "device/AmbrelCdlData.h"
#include "device/AmbrelCdlIdentifier.h"
#include "device/AmbrelDevice.h"
#include "device/AmbrelLutIdentifier.h"
#include "device/AmbrelLutInfo.h"
#include "protocol/GradingProtocol.h"
#include "protocol/LutTable.h"
#include "protocol/RequestValues.h"
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

    const auto unknown = device.writeCdl (channels, cdl);

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

    const auto unknown = device.writeLut (channels, table.texels, table.size);

    if (unknown.has_value())
        return makeErrorReply (unknownChannel, "Unknown channel: " + *unknown);

    for (auto& name : channels)
        device.sendControllerChangedNotification (AmbrelLutIdentifier (name), AmbrelLutInfo (table.size, table.dataType), -1.0, true);

    return makeOkReply();
}

} // namespace torvo
