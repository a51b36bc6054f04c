#include "TorvoBootServiceLogic.h"
#include "TorvoBootService.h"
#include <hostsys/TorvoBootCommandId.h>
#include <tavcore/String.h>

namespace
{
    juce::String expand (const tav::String& value)
    {
        return tav::String::expandEnvironmentVariables (value.get());
    }

    juce::String describeProcess (const juce::String& path, juce::uint64 processId)
    {
        return path + " (pid=" + juce::String (processId) + ")";
    }

    tav::ExecutionContext& log()
    {
        return tav::ExecutionContext::get();
    }
}

//==============================================================================
TorvoBootServiceLogic::TorvoBootServiceLogic()
    : environment (createSystemMonitorEnvironment())
{
}

TorvoBootServiceLogic::~TorvoBootServiceLogic() = default;

void TorvoBootServiceLogic::setEnvironment (std::unique_ptr<MonitorEnvironment> newEnvironment)
{
    environment = std::move (newEnvironment);
}

os::TorvoBootConfiguration& TorvoBootServiceLogic::getConfiguration() const
{
    return static_cast<TorvoBootService&> (getService()).configuration;
}

size_t TorvoBootServiceLogic::getApplicationCount() const
{
    return getConfiguration().applications.size();
}

os::ManagedApplication& TorvoBootServiceLogic::getApplication (size_t index) const
{
    return *getConfiguration().applications.get (index);
}

void TorvoBootServiceLogic::ensureStateCount (size_t count)
{
    if (applicationStates.size() < count)
        applicationStates.resize (count);
}

//==============================================================================
bool TorvoBootServiceLogic::initializeItem (tav::SuccessStatus& status)
{
    if (getService().getConfigurationLoadResult().failed())
    {
        // The default set would bring back applications the administrator
        // may have removed; until the file is mended nothing is launched, but
        // commands are still obeyed.
        getConfiguration().applications.clear (tav::ChangeCallback::none());
        log().error ("The boot configuration cannot be used - no application is launched");
    }
    else if (getApplicationCount() == 0)
    {
        getConfiguration().resetApplicationsToTorvoDefault();
    }

    const auto count = getApplicationCount();
    log().information ("Loaded " + juce::String ((juce::uint64) count) + " managed application(s)");
    ensureStateCount (count);

    for (size_t i = 0; i < count; ++i)
        if (! getApplication (i).launchAtLogon.get())
            applicationStates[i].restartSuppressed = true;

    userLoggedOn = environment->isUserLoggedOn();

    if (userLoggedOn)
        launchApplicationsAtLogon();

    status.setSuccess ({}, tav::ChangeCallback::notify());
    return true;
}

void TorvoBootServiceLogic::updateItem()
{
    takePendingCommands();
    const double now = environment->getMillisecondCounter();

    if (now - lastSessionPollTime >= sessionRecheckIntervalMs)
    {
        lastSessionPollTime = now;
        environment->pollActiveSession();
    }

    if (! environment->isUserLoggedOn())
    {
        if (userLoggedOn)
        {
            log().information ("User logged off - suppressing auto-restart until next logon");

            for (auto& state : applicationStates)
                state.restartSuppressed = true;
        }

        userLoggedOn = false;
        return;
    }

    if (! userLoggedOn)
    {
        log().information ("User logged on (session " + juce::String (environment->getActiveSessionId())
                           + ") - launching applications");
        launchApplicationsAtLogon();
    }

    userLoggedOn = true;
    ensureStateCount (getApplicationCount());

    for (size_t i = 0; i < getApplicationCount() && i < applicationStates.size(); ++i)
        monitorApplication (i, now);

    if (now - lastRunningScanTime >= readoptionScanIntervalMs)
    {
        lastRunningScanTime = now;
        scanForReappearedApplications();
    }
}

void TorvoBootServiceLogic::deinitializeItem()
{
    stopping = true;
    takePendingCommands();
}

void TorvoBootServiceLogic::takePendingCommands()
{
    while (const auto code = environment->popPendingCommand())
        handleCustomCommand (code);
}

//==============================================================================
void TorvoBootServiceLogic::monitorApplication (size_t index, double now)
{
    auto& application = getApplication (index);
    auto& state = applicationStates[index];

    if (! application.enabled.get() || (state.restartSuppressed && state.processId == 0))
        return;

    if (state.processId != 0)
    {
        if (environment->isProcessRunning (state.processId))
            return;

        const auto description = describeProcess (application.executablePath.get(), state.processId);

        if (state.restartSuppressed)
        {
            log().information (description + " exited as expected");
        }
        else
        {
            log().warning (description + " exited unexpectedly");

            if (application.autoRestart.get())
                state.relaunchPendingSince = now;
        }

        // A pending relaunch is first considered in the next update.
        state.processId = 0;
        return;
    }

    if (state.relaunchPendingSince > 0 && now - state.relaunchPendingSince >= getRelaunchDelayMs (state, application))
    {
        state.relaunchPendingSince = 0;
        launchApplication (index, application);
    }
}

double TorvoBootServiceLogic::getRelaunchDelayMs (const ManagedApplicationState& state,
                                                  const os::ManagedApplication& application) const
{
    // The delay grows with each failed attempt.
    const double baseMs = application.restartDelay.get() * 1000.0;
    return state.failedLaunchCount != 0 ? baseMs * (double) state.failedLaunchCount : baseMs;
}

void TorvoBootServiceLogic::scanForReappearedApplications()
{
    for (size_t i = 0; i < applicationStates.size() && i < getApplicationCount(); ++i)
    {
        auto& state = applicationStates[i];

        if (! state.restartSuppressed || state.processId != 0)
            continue;

        const auto& application = getApplication (i);
        const auto executable = expand (application.executablePath);

        if (executable.isEmpty())
            continue;

        const auto processId = environment->findRunningProcess (executable, expand (application.arguments),
                                                                application.ignoreDebugPostfix.get());

        if (processId != 0)
        {
            state.processId = processId;
            state.restartSuppressed = false;
            log().information (executable + " detected running again (pid=" + juce::String (processId)
                               + "), resuming monitoring");
        }
    }
}

//==============================================================================
void TorvoBootServiceLogic::launchApplicationsAtLogon()
{
    ensureStateCount (getApplicationCount());

    for (size_t i = 0; i < getApplicationCount(); ++i)
    {
        auto& application = getApplication (i);
        auto& state = applicationStates[i];

        if (! application.enabled.get())
            continue;

        if (! application.launchAtLogon.get())
        {
            state.restartSuppressed = true;
            continue;
        }

        clearForStart (state);

        // A process still recorded (after a console reconnect, say) is not
        // launched again; the monitor pass finds out whether it still runs.
        if (state.processId == 0)
            launchApplication (i, application);
    }
}

void TorvoBootServiceLogic::clearForStart (ManagedApplicationState& state)
{
    state.restartSuppressed = false;
    state.relaunchPendingSince = 0;
    state.failedLaunchCount = 0;
}

void TorvoBootServiceLogic::launchApplication (size_t index, os::ManagedApplication& application)
{
    auto& state = applicationStates[index];
    const auto executable = expand (application.executablePath);

    if (executable.isEmpty())
    {
        log().warning ("Skipping application at index " + juce::String ((juce::uint64) index) + " - executable path is empty");
        return;
    }

    const auto arguments = expand (application.arguments);
    const auto workingDirectory = expand (application.workingDirectory);
    auto processId = environment->findRunningProcess (executable, arguments, application.ignoreDebugPostfix.get());

    if (processId != 0)
    {
        state.failedLaunchCount = 0;
        state.processId = processId;
        log().information (executable + " already running (pid=" + juce::String (processId) + "), tracking without re-launch");
        return;
    }

    log().information ("not running executable with command line: " + executable.quoted() + " " + arguments);
    processId = startProcess (application, executable, arguments, workingDirectory);

    if (processId == 0)
    {
        recordFailedLaunch (state, application, executable);
        return;
    }

    state.failedLaunchCount = 0;
    state.processId = processId;
    log().information ("Launched " + executable + " (pid=" + juce::String (processId) + ")");
}

juce::uint64 TorvoBootServiceLogic::startProcess (const os::ManagedApplication& application, const juce::String& executable,
                                                  const juce::String& arguments, const juce::String& workingDirectory)
{
    if (application.launchInUserSession.get())
        return environment->launchProcess (executable, arguments, workingDirectory, application.showConsole.get());

    const auto directory = workingDirectory.isEmpty() ? juce::File::getCurrentWorkingDirectory()
                                                      : juce::File (workingDirectory);
    return environment->launchConsoleProcess (executable, arguments, directory);
}

void TorvoBootServiceLogic::recordFailedLaunch (ManagedApplicationState& state, const os::ManagedApplication& application,
                                                const juce::String& executable)
{
    ++state.failedLaunchCount;
    const auto attempts = juce::String (state.failedLaunchCount);

    if (state.failedLaunchCount < application.maximumLaunchAttempts.get())
    {
        state.relaunchPendingSince = environment->getMillisecondCounter();
        log().error ("Failed to launch " + executable + " (attempt " + attempts + ")");
        return;
    }

    state.relaunchPendingSince = 0;
    state.restartSuppressed = true;
    log().error ("Failed to launch " + executable + " after " + attempts + " attempts, giving up until it is started manually");
}

//==============================================================================
void TorvoBootServiceLogic::handleCustomCommand (juce::uint8 code)
{
    const auto index = (juce::uint8) (code & 31);

    switch ((code >> 5) & 3)
    {
        case os::prepareVoluntaryStop:  announceVoluntaryStop (index); break;
        case os::startApplication:      startApplicationCommand (index); break;
        case os::killApplication:       killApplicationCommand (index); break;
        default:
            log().information ("Received unknown custom command " + juce::String ((int) code));
            break;
    }
}

void TorvoBootServiceLogic::announceVoluntaryStop (juce::uint8 index)
{
    auto suppress = [] (ManagedApplicationState& state)
    {
        state.restartSuppressed = true;
        state.relaunchPendingSince = 0;
    };

    if (index == os::allApplicationsIndex)
    {
        for (auto& state : applicationStates)
            suppress (state);

        log().information ("Voluntary stop announced for all applications - auto-restart suppressed");
    }
    else if (index < applicationStates.size())
    {
        suppress (applicationStates[index]);
        log().information ("Voluntary stop announced for application " + juce::String ((int) index) + " - auto-restart suppressed");
    }
    else
    {
        log().warning ("Voluntary stop: application index " + juce::String ((int) index) + " out of range");
    }
}

void TorvoBootServiceLogic::startApplicationCommand (juce::uint8 index)
{
    if (stopping)
    {
        log().warning ("Start application command ignored - the service is stopping");
        return;
    }

    if (! environment->isUserLoggedOn())
    {
        log().warning ("Start application command ignored - no user logged on");
        return;
    }

    ensureStateCount (getApplicationCount());

    auto start = [this] (size_t i)
    {
        auto& application = getApplication (i);

        if (! application.enabled.get())
            return;

        clearForStart (applicationStates[i]);

        if (applicationStates[i].processId == 0)
            launchApplication (i, application);
    };

    if (index == os::allApplicationsIndex)
    {
        for (size_t i = 0; i < getApplicationCount(); ++i)
            start (i);
    }
    else if (index < getApplicationCount())
    {
        start (index);
    }
    else
    {
        log().warning ("Start application command: index " + juce::String ((int) index) + " out of range");
    }
}

void TorvoBootServiceLogic::killApplicationCommand (juce::uint8 index)
{
    ensureStateCount (getApplicationCount());

    if (index == os::allApplicationsIndex)
    {
        for (size_t i = 0; i < getApplicationCount(); ++i)
            killApplication (i);
    }
    else if (index < getApplicationCount())
    {
        killApplication (index);
    }
    else
    {
        log().warning ("Kill application command: index " + juce::String ((int) index) + " out of range");
    }
}

void TorvoBootServiceLogic::killApplication (size_t index)
{
    auto& state = applicationStates[index];

    if (state.processId == 0)
        return;

    const auto description = describeProcess (getApplication (index).executablePath.get(), state.processId);

    if (! environment->killProcesses ({ state.processId }))
    {
        log().warning ("Failed to kill " + description);
        return;
    }

    log().information (description + " killed");
    state.processId = 0;
    state.restartSuppressed = true;
    state.relaunchPendingSince = 0;
}
