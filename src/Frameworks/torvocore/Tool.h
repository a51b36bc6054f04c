#pragma once

#include "torvocore/BuiltinHelpersRenderer.h"
#include "torvocore/Element.h"

namespace torvo
{

//==============================================================================
/**
    An element the host runs beside the composition rather than in it, such
    as a front panel that shows the server's status. The host starts its
    display once after creating it, calls preUpdate(), refreshInformation()
    and updateStatus() with each of its updates, and at the end calls
    stopDisplay() and then unload(), before the tool's plug-in is unloaded.
*/
class Tool : public Element,
             public BuiltinHelpersRenderer
{
public:
    Tool() = default;

    /** Starts whatever the tool shows its information on; false when it
        cannot. The base starts nothing and says true. */
    virtual bool startDisplay();

    /** Stops what startDisplay() started; returns once it has stopped. */
    virtual void stopDisplay();
};

} // namespace torvo
