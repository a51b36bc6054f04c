#include "UserSessionLauncher.h"
#include "ProcessWatchTable.h"
#include <hostsys/Process.h>

namespace
{
    // The service thread's watches; process-wide like the processes they watch.
    ProcessWatchTable& getWatchTable()
    {
        static ProcessWatchTable table;
        return table;
    }
}

//==============================================================================
juce::uint64 findRunningProcess (const juce::String& executable, const juce::String& arguments, bool ignoreDebugPostfix)
{
    std::vector<os::ProcessHandle> handles;
    const auto options = os::Process::Options().withArguments (arguments)
                                               .withProcessHandles (&handles)
                                               .withIgnoreDebugPostfix (ignoreDebugPostfix);
    const auto ids = os::Process::findRunningProcessIds (executable, options);

    if (ids.empty())
        return 0;

    // Only the process reported is watched; the other handles close here.
    getWatchTable().watch (ids.front(), std::move (handles.front()));
    return ids.front();
}

void trackProcessHandle (juce::uint64 processId)
{
    getWatchTable().watch (processId, os::ProcessHandle::open (processId));
}

void watchProcess (os::ProcessHandle handle)
{
    const auto processId = handle.getProcessId();
    getWatchTable().watch (processId, std::move (handle));
}

void stopWatchingProcess (juce::uint64 processId)
{
    getWatchTable().forget (processId);
}

bool isProcessRunning (juce::uint64 processId)
{
    return getWatchTable().isRunning (processId);
}

juce::String buildLaunchCommandLine (const juce::String& executable, const juce::String& arguments)
{
    // No further quoting or escaping: arguments pass through as configured.
    auto commandLine = "\"" + executable + "\"";

    if (arguments.isNotEmpty())
        commandLine << " " << arguments;

    return commandLine;
}
