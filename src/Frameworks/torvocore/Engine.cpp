#include "torvocore/Engine.h"
#include <algorithm>

namespace torvo
{

void Engine::addDevice (Device& device)
{
    if (std::find (devices.begin(), devices.end(), &device) == devices.end())
        devices.push_back (&device);
}

void Engine::removeDevice (Device& device)
{
    devices.erase (std::remove (devices.begin(), devices.end(), &device), devices.end());
}

Device* Engine::findDevice (const tav::Class* deviceClass, const juce::String& name) const
{
    for (auto* device : devices)
        if (device->isInstanceOf (deviceClass) && (name.isEmpty() || device->getDeviceText() == name))
            return device;

    return nullptr;
}

} // namespace torvo
