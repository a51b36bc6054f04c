#include "AmbrelClasses.h"
#include "device/AmbrelCdlIdentifier.h"

namespace torvo
{

AmbrelCdlIdentifier::AmbrelCdlIdentifier (const juce::String& channelName)
    : channel (channelName)
{
    addMemberVariableObject (channel, "channel");
}

const tav::Class* AmbrelCdlIdentifier::getValueClass() const
{
    return AmbrelCdlDataClass::instance;
}

} // namespace torvo
