#pragma once

#include "device/AmbrelDevice.h"
#include <torvocore/DeviceSelector.h>

namespace torvo
{

//==============================================================================
/** Lets an element pick a grading device, and only a grading device. The
    remote host and port are hidden: the grading device is always local. */
class AmbrelDeviceSelector : public TypedDeviceSelector<AmbrelDevice>
{
public:
    juce::String getClassName() const override    { return "AmbrelDeviceSelector"; }

    /** The class of AmbrelDevice. */
    const tav::Class* getDeviceClass() const override;

    /** False for the remote host and port; the base's answer otherwise. */
    bool isVariableVisible (size_t variableIndex) const override;
};

} // namespace torvo
