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

//==============================================================================
void Engine::addExtension (tav::Object& extension)
{
    if (std::find (extensions.begin(), extensions.end(), &extension) == extensions.end())
        extensions.push_back (&extension);
}

void Engine::removeExtension (tav::Object& extension)
{
    extensions.erase (std::remove (extensions.begin(), extensions.end(), &extension), extensions.end());
}

tav::Object* Engine::findExtensionByClass (const tav::Class* extensionClass) const
{
    for (auto* extension : extensions)
        if (extension->isInstanceOf (extensionClass))
            return extension;

    return nullptr;
}

} // namespace torvo
