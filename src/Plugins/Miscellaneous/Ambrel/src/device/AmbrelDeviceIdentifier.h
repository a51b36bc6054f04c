#pragma once

#include <torvocore/DeviceIdentifier.h>

namespace torvo
{

//==============================================================================
/** Identifies the grading device; printed as "Ambrel". */
class AmbrelDeviceIdentifier : public DeviceIdentifier
{
public:
    explicit AmbrelDeviceIdentifier (const juce::String& name = {}) : DeviceIdentifier (name) {}

    juce::String getClassName() const override    { return "AmbrelDeviceIdentifier"; }

    /** "Ambrel". */
    juce::String toString() const override        { return "Ambrel"; }
};

} // namespace torvo
