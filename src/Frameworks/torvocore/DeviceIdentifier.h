#pragma once

#include <tavcore/Object.h>

namespace torvo
{

//==============================================================================
/** Names one device that a device factory can create. */
class DeviceIdentifier : public tav::Object
{
public:
    explicit DeviceIdentifier (const juce::String& deviceName = {}) : name (deviceName) {}

    juce::String getClassName() const override    { return "DeviceIdentifier"; }

    /** The name given by the factory that made the identifier. */
    const juce::String& getName() const noexcept  { return name; }

    /** How the device is shown to users; the name unless a subclass knows better. */
    virtual juce::String toString() const         { return name; }

private:
    juce::String name;
};

} // namespace torvo
