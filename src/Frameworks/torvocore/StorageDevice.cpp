#include "torvocore/StorageDevice.h"
#include <tavcore/Library.h>

namespace torvo
{

StorageDevice::StorageDevice (const juce::String& friendlyName)
    : Device (DeviceIdentifier (friendlyName))
{
}

const tav::Class* StorageDevice::getStaticClass()
{
    return tav::getClass ("StorageDevice");
}

} // namespace torvo
