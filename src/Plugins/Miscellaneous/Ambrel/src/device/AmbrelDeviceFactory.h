#pragma once

#include <torvocore/DeviceFactory.h>

namespace torvo
{

//==============================================================================
/** Makes the grading device; offers one identifier named after the factory. */
class AmbrelDeviceFactory : public DeviceFactory
{
public:
    juce::String getClassName() const override    { return "AmbrelDeviceFactory"; }

    /** The base initialisation, then the device identifier. */
    bool initializeFactory (juce::String& errorText) override;
};

} // namespace torvo
