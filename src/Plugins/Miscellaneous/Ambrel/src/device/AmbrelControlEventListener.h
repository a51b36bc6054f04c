#pragma once

#include <torvocore/ControlEventListener.h>
#include <functional>

namespace torvo
{

//==============================================================================
/** Passes the grading device's notifications to its owner's handler. */
class AmbrelControlEventListener : public ControlEventListener
{
public:
    /** What the owner does with a notification, on the notifying thread. */
    using Handler = std::function<void (ControlDevice&, const ControllerIdentifier&, const tav::Object&)>;

    juce::String getClassName() const override    { return "AmbrelControlEventListener"; }

    /** Sets the handler; call before the listener is added to a device. */
    void setHandler (Handler newHandler)          { handler = std::move (newHandler); }

    void controllerChanged (ControlDevice& device, const ControllerIdentifier& identifier,
                            const tav::Object& value, double timeInSeconds, bool isNewValue) override;

private:
    Handler handler;
};

} // namespace torvo
