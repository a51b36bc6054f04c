#pragma once

#include <juce_core/juce_core.h>
#include <set>

//==============================================================================
/**
    Everything the application monitor asks of the world outside it: the
    clock, who is logged on, the pending commands, and starting, finding,
    watching and ending processes. The service uses the system's own; tests
    give the monitor a scripted one.
*/
class MonitorEnvironment
{
public:
    virtual ~MonitorEnvironment() = default;

    /** Milliseconds on a steady clock. */
    virtual double getMillisecondCounter() = 0;

    /** True while a user is logged on to the session the service serves. */
    virtual bool isUserLoggedOn() = 0;

    /** The logged-on user's session id, or -1. */
    virtual int getActiveSessionId() = 0;

    /** Re-checks who is logged on (services only). */
    virtual void pollActiveSession() = 0;

    /** The next received command byte, or 0 when none is waiting. */
    virtual juce::uint8 popPendingCommand() = 0;

    /** The id of a running process of an executable with these arguments, or 0. */
    virtual juce::uint64 findRunningProcess (const juce::String& executable, const juce::String& arguments,
                                             bool ignoreDebugPostfix) = 0;

    /** Starts a process in the logged-on user's session; its id, or 0. */
    virtual juce::uint64 launchProcess (const juce::String& executable, const juce::String& arguments,
                                        const juce::String& workingDirectory, bool showConsole) = 0;

    /** Starts a process as the service's own child; its id, or 0. */
    virtual juce::uint64 launchConsoleProcess (const juce::String& executable, const juce::String& arguments,
                                               const juce::File& workingDirectory) = 0;

    /** True while a watched process runs. */
    virtual bool isProcessRunning (juce::uint64 processId) = 0;

    /** Ends the processes of a set; true when all are gone. */
    virtual bool killProcesses (const std::set<juce::uint64>& processIds) = 0;
};

/** The environment of the running system. */
std::unique_ptr<MonitorEnvironment> createSystemMonitorEnvironment();
