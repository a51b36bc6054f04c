#pragma once

#include "torvocore/Device.h"
#include <tavcore/Class.h>
#include <tavcore/ObjectOwnedPointer.h>
#include <vector>

namespace torvo
{

//==============================================================================
/**
    Makes the devices of one kind. What it makes is fixed by two attributes of
    its registered class: "deviceClass" names the device class and
    "deviceIdentifierClass" the identifier class. The identifiers it offers
    are held in its owned-object slot, which subclasses fill while they
    initialise.
*/
class DeviceFactory : public tav::Object
{
public:
    DeviceFactory();

    /** Reads the class attributes and finds the two classes; on failure
        errorText says why and the factory makes nothing. */
    virtual bool initializeFactory (juce::String& errorText);

    /** The factory's name: its class's friendly name, or its class name. */
    juce::String getName() const;

    /** The device class found by initializeFactory(), or nullptr. */
    const tav::Class* getDeviceClass() const noexcept              { return deviceClass; }

    /** The identifier class found by initializeFactory(), or nullptr. */
    const tav::Class* getDeviceIdentifierClass() const noexcept    { return identifierClass; }

    /** The identifiers of the devices the factory offers. */
    std::vector<const DeviceIdentifier*> getDeviceIdentifiers() const;

    /** Creates an uninitialised device of the factory's device class for an
        identifier; nullptr before a successful initializeFactory(). */
    std::unique_ptr<Device> createDevice (const DeviceIdentifier& identifier) const;

protected:
    /** The slot that holds the identifier the factory offers. */
    tav::ObjectOwnedPointer& getIdentifierSlot() noexcept          { return identifierSlot; }

private:
    const tav::Class* findAttributeClass (const tav::Class& factoryClass, const juce::String& attributeName,
                                          const juce::String& requiredBaseName, juce::String& errorText) const;

    tav::ObjectOwnedPointer identifierSlot { "DeviceIdentifier" };
    const tav::Class* deviceClass = nullptr;
    const tav::Class* identifierClass = nullptr;
};

} // namespace torvo
