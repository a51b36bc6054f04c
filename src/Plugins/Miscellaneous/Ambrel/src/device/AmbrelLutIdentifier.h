#pragma once

#include <torvocore/ControllerIdentifier.h>
#include <tavcore/String.h>

namespace torvo
{

//==============================================================================
/** Names the LUT of one grading channel in the device's notifications. */
class AmbrelLutIdentifier : public ControllerIdentifier
{
public:
    explicit AmbrelLutIdentifier (const juce::String& channelName = {});

    juce::String getClassName() const override        { return "AmbrelLutIdentifier"; }

    /** "LUT " + the channel. */
    juce::String toString() const override            { return "LUT " + channel.get(); }

    /** The class of AmbrelLutInfo. */
    const tav::Class* getValueClass() const override;

    /** The channel name. */
    const tav::String& getChannel() const noexcept    { return channel; }

private:
    tav::String channel;
};

} // namespace torvo
