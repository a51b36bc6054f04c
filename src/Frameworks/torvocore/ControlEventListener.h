#pragma once

#include "torvocore/ControllerIdentifier.h"

namespace torvo
{

class ControlDevice;

//==============================================================================
/** Hears the control changes of the control devices it was added to. */
class ControlEventListener : public tav::Object
{
public:
    /** A control of a device changed. Called on whichever thread the device
        announced the change on; value and identifier live only for the call. */
    virtual void controllerChanged (ControlDevice& device, const ControllerIdentifier& identifier,
                                    const tav::Object& value, double timeInSeconds, bool isNewValue) = 0;
};

} // namespace torvo
