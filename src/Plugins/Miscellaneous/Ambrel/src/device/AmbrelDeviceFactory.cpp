#include "device/AmbrelDeviceFactory.h"
#include "device/AmbrelDeviceIdentifier.h"

namespace torvo
{

bool AmbrelDeviceFactory::initializeFactory (juce::String& errorText)
{
    if (! DeviceFactory::initializeFactory (errorText))
        return false;

    getIdentifierSlot().set (std::make_unique<AmbrelDeviceIdentifier> (getName()), tav::ChangeCallback::notify());
    return true;
}

} // namespace torvo
