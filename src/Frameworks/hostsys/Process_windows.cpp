#include "hostsys/Process.h"
#include "ProcessCommandLine_windows.h"
#include "ProcessMatching.h"
#include "WindowsHandles_windows.h"
#include <tavcore/ExecutionContext.h>
#include <tavcore/Thread.h>
#include <algorithm>
#include <tlhelp32.h>

namespace os
{

namespace
{
    constexpr DWORD terminateWaitMs = 5000;

    bool isValidPid (juce::uint64 processId) noexcept
    {
        return processId > 0 && processId <= 0xFFFFFFFFull;
    }

    juce::String getImagePath (HANDLE process)
    {
        std::vector<wchar_t> buffer (32768);
        auto size = (DWORD) buffer.size();

        if (! ::QueryFullProcessImageNameW (process, 0, buffer.data(), &size))
            return {};

        return juce::String (buffer.data(), (size_t) size);
    }

    bool processMatches (const PROCESSENTRY32W& entry, const detail::ProcessMatcher& matcher)
    {
        const juce::String fileName (entry.szExeFile);

        if (! matcher.fileNameMayMatch (fileName))
            return false;

        const detail::ScopedHandle process (::OpenProcess (PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
        auto executable = process.isValid() ? getImagePath (process.get()) : juce::String();

        // A protected process hides its path; its file name still matches a bare name.
        if (executable.isEmpty())
            executable = fileName;

        if (! matcher.executableMatches (executable))
            return false;

        if (! matcher.needsArguments())
            return true;

        const auto processId = entry.th32ProcessID;
        const auto commandLine = detail::readCommandLineOfStartedProcess (processId, [processId] { return detail::readProcessCommandLine (processId); });
        return commandLine.has_value() && matcher.argumentsMatch (detail::getCommandLineArguments (*commandLine));
    }

    /** Ends one process and waits (bounded) for it; true when it is gone. */
    bool terminate (DWORD pid)
    {
        const detail::ScopedHandle process (::OpenProcess (PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));

        if (! process.isValid())
        {
            // No such process (any more): nothing left to end.
            if (::GetLastError() == ERROR_INVALID_PARAMETER)
                return true;

            tav::ExecutionContext::get().error ("Cannot end process " + juce::String ((juce::uint64) pid) + ": " + detail::getLastOsErrorText());
            return false;
        }

        // Terminating a process that is already ending fails; the wait tells.
        if (! ::TerminateProcess (process.get(), 1) && ::WaitForSingleObject (process.get(), 0) != WAIT_OBJECT_0)
        {
            tav::ExecutionContext::get().error ("Cannot end process " + juce::String ((juce::uint64) pid) + ": " + detail::getLastOsErrorText());
            return false;
        }

        if (::WaitForSingleObject (process.get(), terminateWaitMs) == WAIT_OBJECT_0)
            return true;

        tav::ExecutionContext::get().error ("Process " + juce::String ((juce::uint64) pid) + " is still running after being ended");
        return false;
    }
}

namespace detail
{
    juce::String getLastOsErrorText()
    {
        return tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false));
    }

    juce::String getCanonicalExecutablePath (const juce::String& absolutePath)
    {
        // Running processes report long file names, never 8.3 short ones.
        std::vector<wchar_t> buffer (32768);
        const auto length = ::GetLongPathNameW (absolutePath.toWideCharPointer(), buffer.data(), (DWORD) buffer.size());

        if (length == 0 || length >= buffer.size())
            return absolutePath;

        return juce::String (buffer.data(), (size_t) length);
    }
}

std::vector<juce::uint64> Process::findRunningProcessIds (const juce::String& executable, const Options& options)
{
    const detail::ProcessMatcher matcher (executable, options, true);
    const auto self = getCurrentProcessId();
    std::vector<juce::uint64> ids;

    const detail::ScopedHandle snapshot (::CreateToolhelp32Snapshot (TH32CS_SNAPPROCESS, 0));

    if (! snapshot.isValid())
    {
        tav::ExecutionContext::get().error ("Cannot list the running processes: " + detail::getLastOsErrorText());
        return ids;
    }

    PROCESSENTRY32W entry {};
    entry.dwSize = sizeof (entry);

    for (BOOL more = ::Process32FirstW (snapshot.get(), &entry); more; more = ::Process32NextW (snapshot.get(), &entry))
    {
        if (entry.th32ProcessID == 0 || (options.exceptThisProcess && entry.th32ProcessID == self))
            continue;

        if (processMatches (entry, matcher))
        {
            ids.push_back (entry.th32ProcessID);

            if (options.returnOnlyFirstMatch)
                break;
        }
    }

    std::sort (ids.begin(), ids.end());

    if (options.processHandles != nullptr)
        detail::openHandles (ids, *options.processHandles);

    return ids;
}

bool Process::killAllInstances (const std::set<juce::uint64>& processIds)
{
    bool allEnded = true;

    for (auto id : processIds)
        if (isValidPid (id))
            allEnded = terminate ((DWORD) id) && allEnded;

    return allEnded;
}

bool Process::isProcessRunning (juce::uint64 processId)
{
    if (! isValidPid (processId))
        return false;

    const detail::ScopedHandle process (::OpenProcess (SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, (DWORD) processId));

    if (! process.isValid())
        return ::GetLastError() == ERROR_ACCESS_DENIED;   // exists, but is not ours to look at

    return ::WaitForSingleObject (process.get(), 0) == WAIT_TIMEOUT;
}

juce::uint64 Process::getCurrentProcessId()
{
    return (juce::uint64) ::GetCurrentProcessId();
}

} // namespace os
