#include "UserSessionLauncher.h"
#include "SessionUserLauncher_linux.h"
#include "UserSession.h"
#include <hostsys/ConsoleProcess.h>
#include <tavcore/ExecutionContext.h>

juce::uint64 launchProcess (const juce::String& executable, const juce::String& arguments,
                            const juce::String& workingDirectory, bool showConsole)
{
    if (isRunningAsService())
    {
        const auto session = LogindSessions::findSession (getActiveSessionId());

        if (! session.has_value())
        {
            tav::ExecutionContext::get().warning ("Cannot launch " + executable + ": no user is logged on");
            return 0;
        }

        const auto processId = launchAsSessionUser (*session, executable, arguments, workingDirectory, showConsole);

        if (processId != 0)
            trackProcessHandle (processId);

        return processId;
    }

    const auto directory = workingDirectory.isEmpty() ? juce::File::getCurrentWorkingDirectory() : juce::File (workingDirectory);
    const auto process = os::ConsoleProcess::create (executable, arguments, directory, ! showConsole);

    if (process == nullptr)
        return 0;

    const auto processId = process->getProcessId();
    trackProcessHandle (processId);
    return processId;
}
