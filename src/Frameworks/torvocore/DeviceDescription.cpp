#include "torvocore/DeviceDescription.h"
#include <tavcore/Library.h>

namespace torvo
{

DeviceDescription::DeviceDescription()
{
    addMemberVariableObject (deviceClass, "deviceClass");
    addMemberVariableObject (friendlyName, "friendlyName");
}

DeviceDescription::DeviceDescription (const DeviceDescription& other) : DeviceDescription()
{
    *this = other;
}

DeviceDescription& DeviceDescription::operator= (const DeviceDescription& other)
{
    deviceClass.set (other.deviceClass.get(), tav::ChangeCallback::none());
    friendlyName.set (other.friendlyName.get(), tav::ChangeCallback::none());
    return *this;
}

const tav::Class* DeviceDescription::getDeviceClass() const
{
    return deviceClass.get().isEmpty() ? nullptr : tav::getClass (deviceClass.get());
}

} // namespace torvo
