#include "torvocore/DeviceSelector.h"
#include <tavcore/Library.h>

namespace torvo
{

DeviceSelector::DeviceSelector()
{
    addMemberVariableObject (remoteHost, "remoteHost");
    addMemberVariableObject (remotePort, "remotePort");
    addMemberVariableObject (deviceName, "device");
}

const tav::Class* DeviceSelector::getDeviceClass() const
{
    return tav::Library::getRootLibrary().findClass ("Device");
}

bool DeviceSelector::isVariableVisible (size_t) const
{
    return true;
}

Device* DeviceSelector::getDevice (Engine& engine) const
{
    const auto* wanted = getDeviceClass();
    return wanted != nullptr ? engine.findDevice (wanted, deviceName.get()) : nullptr;
}

} // namespace torvo
