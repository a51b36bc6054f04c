#pragma once

#include "VitrelThread.h"

#include <startdeck/LauncherComponent.h>

namespace launcher
{

//==============================================================================
/**
    "VitrelLauncherComponent": the front panel run by the launcher. It feeds
    the display thread with the launcher service's copy of the host's status
    and the time that copy arrived, so that a host which stopped publishing
    shows as not running.
*/
class VitrelLauncherComponent : public LauncherComponent
{
public:
    VitrelLauncherComponent();
    ~VitrelLauncherComponent() override;

    juce::String getClassName() const override    { return "VitrelLauncherComponent"; }

    /** Starts the display thread; false when it could not start. */
    bool startDisplay() override;

    /** Stops the display thread (up to 5000 ms). */
    void stopDisplay() override;

    /** Copies the service's record into the display thread; nothing without a service above. */
    void refreshInformation() override;

private:
    VitrelThread thread;
};

} // namespace launcher
