#include "MonitorEnvironment.h"
#include "ServiceControl.h"
#include "UserSession.h"
#include "UserSessionLauncher.h"
#include <hostsys/ConsoleProcess.h>
#include <hostsys/Process.h>

namespace
{
    /** The running system, as the service sees it. */
    class SystemMonitorEnvironment : public MonitorEnvironment
    {
    public:
        double getMillisecondCounter() override   { return juce::Time::getMillisecondCounterHiRes(); }
        bool isUserLoggedOn() override            { return ::isUserLoggedOn(); }
        int getActiveSessionId() override         { return ::getActiveSessionId(); }
        void pollActiveSession() override         { ::pollActiveSession(); }
        juce::uint8 popPendingCommand() override  { return ::popPendingCommand(); }

        juce::uint64 findRunningProcess (const juce::String& executable, const juce::String& arguments,
                                         bool ignoreDebugPostfix) override
        {
            return ::findRunningProcess (executable, arguments, ignoreDebugPostfix);
        }

        juce::uint64 launchProcess (const juce::String& executable, const juce::String& arguments,
                                    const juce::String& workingDirectory, bool showConsole) override
        {
            return ::launchProcess (executable, arguments, workingDirectory, showConsole);
        }

        juce::uint64 launchConsoleProcess (const juce::String& executable, const juce::String& arguments,
                                           const juce::File& workingDirectory) override
        {
            // The process is watched by its id from here on; the object can go.
            const auto process = os::ConsoleProcess::create (executable, arguments, workingDirectory, false);

            if (process == nullptr)
                return 0;

            const auto processId = process->getProcessId();
            trackProcessHandle (processId);
            return processId;
        }

        bool isProcessRunning (juce::uint64 processId) override
        {
            return ::isProcessRunning (processId);
        }

        bool killProcesses (const std::set<juce::uint64>& processIds) override
        {
            if (! os::Process::killAllInstances (processIds))
                return false;

            // The ids are free for the next processes started; a watch left
            // behind would take such a process for the killed one.
            for (auto id : processIds)
                stopWatchingProcess (id);

            return true;
        }
    };
}

std::unique_ptr<MonitorEnvironment> createSystemMonitorEnvironment()
{
    return std::make_unique<SystemMonitorEnvironment>();
}
