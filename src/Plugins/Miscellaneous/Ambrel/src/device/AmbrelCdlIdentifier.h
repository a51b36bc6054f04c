#pragma once

#include <torvocore/ControllerIdentifier.h>
#include <tavcore/String.h>

namespace torvo
{

//==============================================================================
/** Names the CDL of one grading channel in the device's notifications. */
class AmbrelCdlIdentifier : public ControllerIdentifier
{
public:
    explicit AmbrelCdlIdentifier (const juce::String& channelName = {});

    juce::String getClassName() const override        { return "AmbrelCdlIdentifier"; }

    /** "CDL " + the channel. */
    juce::String toString() const override            { return "CDL " + channel.get(); }

    /** The class of AmbrelCdlData. */
    const tav::Class* getValueClass() const override;

    /** The channel name. */
    const tav::String& getChannel() const noexcept    { return channel; }

private:
    tav::String channel;
};

} // namespace torvo
