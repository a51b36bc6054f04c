#include "AmbrelClasses.h"
#include "device/AmbrelLutIdentifier.h"

namespace torvo
{

AmbrelLutIdentifier::AmbrelLutIdentifier (const juce::String& channelName)
    : channel (channelName)
{
    addMemberVariableObject (channel, "channel");
}

const tav::Class* AmbrelLutIdentifier::getValueClass() const
{
    return AmbrelLutInfoClass::instance;
}

} // namespace torvo
