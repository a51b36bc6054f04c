#pragma once

#include <juce_core/juce_core.h>

namespace os
{

//==============================================================================
/**
    Installs, starts, stops and removes the system services ("daemons") of
    the suite.

    Windows: the service control manager; services run as LocalSystem and
    start automatically with the system. Linux: systemd units in
    /etc/systemd/system (TORVO_SYSTEMD_UNIT_DIR overrides the folder),
    managed with systemctl; a unit starts its program without options. Where
    the platform has no service manager every call reports a clear error and
    answers false. Errors go to the calling thread's execution context.
*/
struct DaemonClient
{
    /** The environment variable a daemon finds set to "1" when its service
        manager started it (Linux: the unit sets it). */
    static constexpr const char* serviceMarkerVariable = "TORVO_DAEMON";

    /** Registers the running executable as a service started without options. */
    static bool installDaemon (const juce::String& name, const juce::String& displayName, const juce::String& description);

    /** Removes a service (stopping it first when it runs). */
    static bool uninstallDaemon (const juce::String& name);

    /** True when the service is installed. */
    static bool isDaemonInstalled (const juce::String& name);

    /** True when the service is running. */
    static bool isDaemonRunning (const juce::String& name);

    /** Starts the service. */
    static bool startDaemon (const juce::String& name);

    /** Stops the service and waits (a bounded time) until it has stopped. */
    static bool stopDaemon (const juce::String& name);
};

} // namespace os
