#include "AmbrelCdlIdentifier.h"
#include "AmbrelClasses.h"

namespace torvo
{

AmbrelCdlIdentifier::AmbrelCdlIdentifier (const juce::String& channelName)
    : channel (channelName)
{
    addMemberVariableObject (channel);
}

const tav::Class* AmbrelCdlIdentifier::getValueClass() const
{
    return ambrelCdlDataClass;
}

} // namespace torvo
