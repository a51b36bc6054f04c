#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    Tells the service manager how the service is doing, through the socket
    it names in NOTIFY_SOCKET ("READY=1", "STOPPING=1", "STATUS=..."). Does
    nothing when no such socket was given.
*/
struct NotifySocket
{
    /** True when the process was started by a service manager that listens. */
    static bool isAvailable();

    /** Sends one notification of newline-separated assignments. */
    static bool notify (const juce::String& assignments);
};
