#pragma once

#include <tavcore/String.h>

namespace tav { class Class; }

namespace torvo
{

//==============================================================================
/** One device of the server as its status record lists it: the name of the
    device's class and the name users know it by. */
class DeviceDescription : public tav::Object
{
public:
    DeviceDescription();

    /** A copy of another description's values. */
    DeviceDescription (const DeviceDescription& other);

    /** Takes another description's values. */
    DeviceDescription& operator= (const DeviceDescription& other);

    juce::String getClassName() const override    { return "DeviceDescription"; }

    /** The device's class among the loaded classes (compare it by pointer
        with a class's getStaticClass()), or nullptr when it is not loaded. */
    const tav::Class* getDeviceClass() const;

    /** The name users know the device by. */
    juce::String getFriendlyName() const          { return friendlyName.get(); }

    tav::String deviceClass;     /**< the name of the device's class, as registered */
    tav::String friendlyName;    /**< "/home (120.3 GB free)", "Data (D:)" */
};

} // namespace torvo
