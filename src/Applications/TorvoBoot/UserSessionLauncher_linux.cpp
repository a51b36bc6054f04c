#include "UserSessionLauncher.h"
#include "SessionUserLauncher_linux.h"
#include "UserSession.h"
#include <hostsys/ConsoleProcess.h>
#include <hostsys/Process.h>
#include <tavcore/ExecutionContext.h>
#include <map>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
    // One process file descriptor per watched process; used only on the
    // service thread. A descriptor stays bound to its process even after the
    // id is recycled.
    std::map<juce::uint64, int> processHandles;

    int openProcessDescriptor (juce::uint64 processId)
    {
        return (int) ::syscall (SYS_pidfd_open, (pid_t) processId, 0);
    }

    void storeHandle (juce::uint64 processId, int descriptor)
    {
        auto it = processHandles.find (processId);

        if (it != processHandles.end() && it->second != descriptor)
            ::close (it->second);

        processHandles[processId] = descriptor;
    }

    bool hasEnded (int descriptor)
    {
        pollfd entry { descriptor, POLLIN, 0 };
        return ::poll (&entry, 1, 0) > 0;
    }

    /** Collects an ended child of ours, so that it does not linger as a zombie. */
    void reapIfOwnChild (juce::uint64 processId)
    {
        ::waitpid ((pid_t) processId, nullptr, WNOHANG);
    }
}

//==============================================================================
juce::uint64 findRunningProcess (const juce::String& executable, const juce::String& arguments, bool ignoreDebugPostfix)
{
    std::vector<juce::uint64> handles;
    const auto options = os::Process::Options().withArguments (arguments)
                                               .withProcessHandles (&handles)
                                               .withIgnoreDebugPostfix (ignoreDebugPostfix);
    const auto ids = os::Process::findRunningProcessIds (executable, options);

    for (size_t i = 0; i < ids.size() && i < handles.size(); ++i)
        storeHandle (ids[i], (int) handles[i]);

    return ids.empty() ? 0 : ids.front();
}

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

void trackProcessHandle (juce::uint64 processId)
{
    if (processHandles.count (processId) != 0)
        return;

    if (const int descriptor = openProcessDescriptor (processId); descriptor >= 0)
        processHandles[processId] = descriptor;
}

bool isProcessRunning (juce::uint64 processId)
{
    const auto it = processHandles.find (processId);

    if (it == processHandles.end())
        return false;

    if (! hasEnded (it->second))
        return true;

    ::close (it->second);
    processHandles.erase (it);
    reapIfOwnChild (processId);
    return false;
}
