#include "torvocore/DeviceFactory.h"
#include <tavcore/Library.h>

namespace torvo
{

DeviceFactory::DeviceFactory()
{
    identifierSlot.setParent (this);
}

bool DeviceFactory::initializeFactory (juce::String& errorText)
{
    deviceClass = identifierClass = nullptr;
    const auto* factoryClass = getClass();

    if (factoryClass == nullptr)
    {
        errorText = "The device factory class " + getClassName() + " is not registered";
        return false;
    }

    const auto* devices = findAttributeClass (*factoryClass, "deviceClass", "Device", errorText);
    const auto* identifiers = findAttributeClass (*factoryClass, "deviceIdentifierClass", "DeviceIdentifier", errorText);

    if (devices == nullptr || identifiers == nullptr)
        return false;

    deviceClass = devices;
    identifierClass = identifiers;
    return true;
}

const tav::Class* DeviceFactory::findAttributeClass (const tav::Class& factoryClass, const juce::String& attributeName,
                                                     const juce::String& requiredBaseName, juce::String& errorText) const
{
    const auto* attribute = factoryClass.getAttribute (attributeName);
    const auto name = attribute != nullptr ? attribute->getText() : juce::String();
    const auto* found = name.isNotEmpty() ? factoryClass.getClassRelativeToThis (name, false) : nullptr;
    const auto* requiredBase = factoryClass.getClassRelativeToThis (requiredBaseName, false);

    if (found == nullptr || ! found->inheritsFrom (requiredBase))
    {
        errorText = factoryClass.getName() + ": attribute " + attributeName + " names no " + requiredBaseName
                  + " class (\"" + name + "\")";
        return nullptr;
    }

    return found;
}

juce::String DeviceFactory::getName() const
{
    if (const auto* factoryClass = getClass())
        if (const auto* friendlyName = factoryClass->getAttribute ("friendlyName"))
            return friendlyName->getText();

    return getClassName();
}

std::vector<const DeviceIdentifier*> DeviceFactory::getDeviceIdentifiers() const
{
    std::vector<const DeviceIdentifier*> identifiers;

    // The slot only ever holds objects of the identifier class, checked on the way in.
    if (auto* held = identifierSlot.get(); held != nullptr && held->isInstanceOf (identifierClass))
        identifiers.push_back (static_cast<const DeviceIdentifier*> (held));

    return identifiers;
}

std::unique_ptr<Device> DeviceFactory::createDevice (const DeviceIdentifier& identifier) const
{
    if (deviceClass == nullptr)
        return nullptr;

    auto object = deviceClass->createObject();

    if (object == nullptr)
        return nullptr;

    // deviceClass was checked to derive from "Device" by initializeFactory().
    std::unique_ptr<Device> device (static_cast<Device*> (object.release()));
    device->setIdentity (identifier);
    return device;
}

} // namespace torvo
