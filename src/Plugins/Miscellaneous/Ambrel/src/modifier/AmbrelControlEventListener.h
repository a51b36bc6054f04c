#pragma once

#include <torvocore/ControlEventListener.h>

namespace torvo
{

//==============================================================================
/** Hands the grading device's notifications to the AmbrelColorTextureModifier
    that owns the listener (its nearest such ancestor); a listener without
    one ignores them. */
class AmbrelControlEventListener : public ControlEventListener
{
public:
    juce::String getClassName() const override    { return "AmbrelControlEventListener"; }

    void controllerChanged (ControlDevice& device, const ControllerIdentifier& identifier,
                            const tav::Object& value, double timeInSeconds, bool isNewValue) override;
};

} // namespace torvo
