#include "device/AmbrelDevice.h"
#include "device/AmbrelSessionIdentifier.h"
#include "network/AmbrelConnection.h"
#include <tavcore/String.h>

namespace torvo
{

AmbrelDevice::AmbrelDevice()
    : juce::Thread ("Ambrel")
{
}

AmbrelDevice::AmbrelDevice (const DeviceIdentifier& identifier)
    : ControlDevice (identifier), juce::Thread ("Ambrel")
{
}

AmbrelDevice::~AmbrelDevice()
{
    shutdownNetwork();
}

int AmbrelDevice::getConfiguredPort()
{
    const auto text = juce::SystemStats::getEnvironmentVariable ("AMBREL_PORT", {});
    const auto port = text.getIntValue();
    return port > 0 && port < 65536 ? port : defaultPort;
}

//==============================================================================
bool AmbrelDevice::initializeDevice()
{
    if (! ControlDevice::initializeDevice())
        return false;

    startListener();
    return true;
}

void AmbrelDevice::deinitializeDevice()
{
    shutdownNetwork();
    ControlDevice::deinitializeDevice();
}

void AmbrelDevice::update (const FrameInformation& frame)
{
    SynchableDevice::update (frame);
    serviceListener();
    publishListenerStatus (getHandshakenClientCount());
}

void AmbrelDevice::sendSessionNotification (const juce::String& text)
{
    sendControllerChangedNotification (AmbrelSessionIdentifier(), tav::String (text), -1.0, true);
}

//==============================================================================
std::shared_ptr<ChannelState> AmbrelDevice::acquireChannel (juce::String& name)
{
    const juce::ScopedLock sl (channelLock);

    if (name.isEmpty())
        name = makeDefaultChannelName();

    auto& state = tables.channelStates[name];

    if (state == nullptr)
        state = std::make_shared<ChannelState>();

    ++state->users;
    return state;
}

void AmbrelDevice::releaseChannel (const juce::String& name)
{
    const juce::ScopedLock sl (channelLock);
    const auto it = tables.channelStates.find (name);

    if (it == tables.channelStates.end())
        return;

    // Holders of the shared pointer keep the record; the table forgets it.
    if (--it->second->users <= 0)
        tables.channelStates.erase (it);
}

juce::String AmbrelDevice::makeDefaultChannelName() const
{
    const juce::ScopedLock sl (channelLock);

    for (int n = 1;; ++n)
        if (const auto name = "channel-" + juce::String (n); tables.channelStates.count (name) == 0)
            return name;
}

bool AmbrelDevice::readCdlIfChanged (const ChannelState& state, juce::uint64& seenVersion, CdlValues& cdl) const
{
    const juce::ScopedLock sl (channelLock);

    if (seenVersion == state.cdlVersion)
        return false;

    cdl = state.cdl;
    seenVersion = state.cdlVersion;
    return true;
}

bool AmbrelDevice::readLutIfChanged (const ChannelState& state, juce::uint64& seenVersion,
                                     std::vector<juce::uint8>& lutData, juce::int32& lutSize) const
{
    const juce::ScopedLock sl (channelLock);

    if (seenVersion == state.lutVersion)
        return false;

    lutData = state.lutData;
    lutSize = state.lutSize;
    seenVersion = state.lutVersion;
    return true;
}

template <typename Write>
std::optional<juce::String> AmbrelDevice::writeChannels (const juce::StringArray& channels, Write&& write)
{
    const juce::ScopedLock sl (channelLock);

    for (auto& name : channels)
        if (tables.channelStates.count (name) == 0)
            return name;

    for (auto& name : channels)
        write (*tables.channelStates.at (name));

    return std::nullopt;
}

std::optional<juce::String> AmbrelDevice::writeCdl (const juce::StringArray& channels, const CdlValues& cdl)
{
    return writeChannels (channels, [&cdl] (ChannelState& state)
    {
        state.cdl = cdl;
        ++state.cdlVersion;
        state.lastUpdate = ChannelUpdate::cdl;
    });
}

std::optional<juce::String> AmbrelDevice::writeLut (const juce::StringArray& channels,
                                                    const std::vector<juce::uint8>& texels, juce::int32 size)
{
    return writeChannels (channels, [&texels, size] (ChannelState& state)
    {
        state.lutData = texels;
        state.lutSize = size;
        ++state.lutVersion;
        state.lastUpdate = ChannelUpdate::lut;
    });
}

juce::int64 AmbrelDevice::channelVersionSum (const ChannelState& state) const
{
    const juce::ScopedLock sl (channelLock);
    return (juce::int64) (state.cdlVersion + state.lutVersion);
}

bool AmbrelDevice::isLutActive (const ChannelState& state) const
{
    const juce::ScopedLock sl (channelLock);
    return state.lastUpdate == ChannelUpdate::lut;
}

AmbrelDevice::PickupState AmbrelDevice::channelPickupState (const juce::String& name) const
{
    const juce::ScopedLock sl (channelLock);

    if (tables.handshakenClientCount == 0)
        return PickupState::NoClient;

    return tables.pickedUpChannels.count (name) != 0 ? PickupState::PickedUp : PickupState::NotPickedUp;
}

juce::int32 AmbrelDevice::getHandshakenClientCount() const
{
    const juce::ScopedLock sl (channelLock);
    return tables.handshakenClientCount;
}

bool AmbrelDevice::isChannelLockFreeForTesting() const
{
    const juce::ScopedTryLock tl (channelLock);
    return tl.isLocked();
}

} // namespace torvo
