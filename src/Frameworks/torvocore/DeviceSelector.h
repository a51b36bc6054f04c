#pragma once

#include "torvocore/Engine.h"
#include <tavcore/PositiveInteger.h>
#include <tavcore/String.h>
#include <tavcore/SuccessStatus.h>

namespace torvo
{

//==============================================================================
/**
    The member of an element that says which device it follows. Its first two
    variables name a remote host and port (for devices of another machine),
    the third the device by its printed identifier; an empty name takes the
    first device of the selector's class.
*/
class DeviceSelector : public tav::Object
{
public:
    DeviceSelector();

    juce::String getClassName() const override    { return "DeviceSelector"; }

    /** The class of the devices this selector may pick; the base picks any device. */
    virtual const tav::Class* getDeviceClass() const;

    /** False for member variables that the user interface hides. */
    virtual bool isVariableVisible (size_t variableIndex) const;

    /** The selected device among the engine's, or nullptr. */
    Device* getDevice (Engine& engine) const;

    /** True when the selected device is in use (and, with requireRunning,
        initialised). Otherwise false, and status says why: an error when
        no such device is in use, a warning (a success with a remark) when
        it is there but not running. */
    bool updateStatus (Engine& engine, tav::SuccessStatus& status, bool requireRunning) const;

    /** The printed identifier of the wanted device (empty: the first one). */
    tav::String& getDeviceName() noexcept         { return deviceName; }

    /** The printed identifier of the wanted device (empty: the first one). */
    const tav::String& getDeviceName() const noexcept   { return deviceName; }

private:
    tav::String remoteHost;
    tav::PositiveInteger remotePort;
    tav::String deviceName;
};

//==============================================================================
/** A selector that picks only devices of DeviceType. */
template <class DeviceType>
class TypedDeviceSelector : public DeviceSelector
{
public:
    /** The registered class of DeviceType: each typed selector names it, which
        is what keeps getTypedDevice() from handing out another kind of device. */
    const tav::Class* getDeviceClass() const override = 0;

    /** The selected device among the engine's, or nullptr. */
    DeviceType* getTypedDevice (Engine& engine) const
    {
        // getDevice() only returns devices of getDeviceClass(), the class of DeviceType.
        return static_cast<DeviceType*> (getDevice (engine));
    }
};

} // namespace torvo
