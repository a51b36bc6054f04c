#pragma once

#include <tavcore/Service.h>
#include <hostsys/TorvoBootConfiguration.h>
#include "ManagedApplicationState.h"
#include "MonitorEnvironment.h"
#include <memory>
#include <vector>

class TorvoBootService;

//==============================================================================
/**
    The application monitor: launches the configured applications when a
    user logs on, watches them, relaunches one that exits unexpectedly after a
    delay that grows with each failed attempt, gives up after the configured
    number of failures, re-adopts applications that reappear, and carries out
    the commands sent to the service.
*/
class TorvoBootServiceLogic : public tav::ServiceLogic
{
public:
    static constexpr const char* className = "TorvoBootServiceLogic";

    /** How often the logged-on state is re-checked. */
    static constexpr double sessionRecheckIntervalMs = 2000.0;

    /** How often suppressed applications are looked for among the running processes. */
    static constexpr double readoptionScanIntervalMs = 10000.0;

    TorvoBootServiceLogic();
    ~TorvoBootServiceLogic() override;

    juce::String getClassName() const override    { return className; }

    bool initializeItem (tav::SuccessStatus& status) override;
    bool canItemBeUpdated() override              { return true; }
    void updateItem() override;

    /** Carries out the commands still queued when the service stops, so that
        a kill sent just before the stop (as the uninstaller sends it) is not
        lost; nothing is launched any more. */
    void deinitializeItem() override;

    /** Replaces the environment the monitor works in (tests script their own). */
    void setEnvironment (std::unique_ptr<MonitorEnvironment> newEnvironment);

    /** The run-time records, one per application index. */
    const std::vector<ManagedApplicationState>& getApplicationStates() const noexcept { return applicationStates; }

private:
    os::TorvoBootConfiguration& getConfiguration() const;
    size_t getApplicationCount() const;
    os::ManagedApplication& getApplication (size_t index) const;
    void ensureStateCount (size_t count);

    void takePendingCommands();
    void monitorApplication (size_t index, double now);
    void scanForReappearedApplications();
    void launchApplicationsAtLogon();
    void launchApplication (size_t index, os::ManagedApplication& application);
    juce::uint64 startProcess (const os::ManagedApplication& application, const juce::String& executable,
                               const juce::String& arguments, const juce::String& workingDirectory);
    void recordFailedLaunch (ManagedApplicationState& state, const os::ManagedApplication& application,
                             const juce::String& executable);
    double getRelaunchDelayMs (const ManagedApplicationState& state, const os::ManagedApplication& application) const;

    void handleCustomCommand (juce::uint8 code);
    void announceVoluntaryStop (juce::uint8 index);
    void startApplicationCommand (juce::uint8 index);
    void killApplicationCommand (juce::uint8 index);
    void killApplication (size_t index);
    void clearForStart (ManagedApplicationState& state);

    std::unique_ptr<MonitorEnvironment> environment;
    std::vector<ManagedApplicationState> applicationStates;
    bool userLoggedOn = false;
    bool stopping = false;
    double lastRunningScanTime = 0;
    double lastSessionPollTime = 0;
};
