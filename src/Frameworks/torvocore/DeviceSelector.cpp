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

bool DeviceSelector::updateStatus (Engine& engine, tav::SuccessStatus& status, bool requireRunning) const
{
    const auto* device = getDevice (engine);
    const auto& name = deviceName.get();

    if (device == nullptr)
    {
        const auto* wanted = getDeviceClass();
        const auto kind = wanted != nullptr ? wanted->getName() : juce::String ("device");
        status.setError (name.isEmpty() ? "No " + kind + " is in use" : "No " + kind + " \"" + name + "\" is in use",
                         tav::ChangeCallback::none());
        return false;
    }

    if (requireRunning && ! device->isInitialized())
    {
        status.setSuccess ("The device " + device->getDeviceText() + " is not running", tav::ChangeCallback::none());
        return false;
    }

    status.setSuccess ({}, tav::ChangeCallback::none());
    return true;
}

} // namespace torvo
