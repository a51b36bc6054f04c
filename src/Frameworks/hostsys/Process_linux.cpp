#include "hostsys/Process.h"
#include "ChildProcesses_linux.h"
#include "ProcessMatching.h"
#include <tavcore/ExecutionContext.h>
#include <tavcore/Thread.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace os
{

namespace
{
    // How long killAllInstances gives processes to end after each signal.
    constexpr int terminateWaitMs = 3000;
    constexpr int killWaitMs = 3000;
    constexpr int pollIntervalMs = 10;

    std::string readWholeFile (const std::string& path)
    {
        std::ifstream stream (path, std::ios::binary);
        return std::string (std::istreambuf_iterator<char> (stream), std::istreambuf_iterator<char>());
    }

    /** The argument vector of a process, argv[0] included; empty for zombies
        and kernel threads. */
    juce::StringArray readCommandLine (pid_t pid)
    {
        const auto raw = readWholeFile ("/proc/" + std::to_string (pid) + "/cmdline");
        juce::StringArray arguments;
        size_t start = 0;

        while (start < raw.size())
        {
            const auto end = raw.find ('\0', start);
            const auto length = (end == std::string::npos ? raw.size() : end) - start;
            arguments.add (juce::String::fromUTF8 (raw.data() + start, (int) length));
            start += length + 1;
        }

        return arguments;
    }

    juce::String readExecutableLink (pid_t pid)
    {
        const auto link = "/proc/" + std::to_string (pid) + "/exe";
        char buffer[PATH_MAX + 1] = {};
        const auto length = ::readlink (link.c_str(), buffer, PATH_MAX);

        if (length <= 0)
            return {};

        // A replaced or removed executable is still the process's program.
        return juce::String::fromUTF8 (buffer, (int) length).upToLastOccurrenceOf (" (deleted)", false, false);
    }

    /** The process's state letter from /proc/PID/stat ('R', 'S', 'Z', ...),
        or 0 when the process is gone. */
    char readProcessState (pid_t pid)
    {
        const auto stat = readWholeFile ("/proc/" + std::to_string (pid) + "/stat");
        // The command name in parentheses may hold spaces and parentheses itself.
        const auto nameEnd = stat.rfind (')');

        if (nameEnd == std::string::npos || nameEnd + 2 >= stat.size())
            return 0;

        return stat[nameEnd + 2];
    }

    bool isValidPid (juce::uint64 processId) noexcept
    {
        return processId > 0 && processId <= (juce::uint64) INT_MAX;
    }

    bool processMatches (pid_t pid, const detail::ProcessMatcher& matcher)
    {
        // The command line is read only when it is needed: most processes
        // are ruled out by their executable alone, which keeps a scan cheap.
        auto executable = readExecutableLink (pid);
        juce::StringArray commandLine;

        // Another user's process hides its executable link; its argv[0] is
        // the best account of its program left.
        if (executable.isEmpty())
        {
            commandLine = readCommandLine (pid);
            executable = commandLine[0];
        }

        if (executable.isEmpty() || ! matcher.executableMatches (executable))
            return false;

        if (! matcher.needsArguments())
            return true;

        // A process in the middle of exec shows its new program before its
        // new arguments; its parent may already be back from posix_spawn.
        if (commandLine.isEmpty())
            commandLine = detail::readCommandLineOfStartedProcess ((juce::uint64) pid, [pid] { return readCommandLine (pid); });

        auto arguments = commandLine;
        arguments.remove (0);
        return matcher.argumentsMatch (arguments);
    }

    bool waitUntilAllEnded (const std::set<juce::uint64>& processIds, int timeoutMs)
    {
        const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

        for (;;)
        {
            bool anyRunning = false;

            for (auto id : processIds)
                anyRunning = anyRunning || Process::isProcessRunning (id);

            if (! anyRunning)
                return true;

            if (juce::Time::getMillisecondCounter() >= deadline)
                return false;

            juce::Thread::sleep (pollIntervalMs);
        }
    }

    /** Sends a signal to every process of the set that still runs; false
        (with an error) when one of them may not be signalled. */
    bool signalAll (const std::set<juce::uint64>& processIds, int signal)
    {
        bool allSent = true;

        for (auto id : processIds)
        {
            if (! Process::isProcessRunning (id) || ::kill ((pid_t) id, signal) == 0 || errno == ESRCH)
                continue;

            tav::ExecutionContext::get().error ("Cannot end process " + juce::String (id) + ": "
                                                + tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false)));
            allSent = false;
        }

        return allSent;
    }
}

namespace detail
{
    juce::String getCanonicalExecutablePath (const juce::String& absolutePath)
    {
        char* resolved = ::realpath (absolutePath.toRawUTF8(), nullptr);

        if (resolved == nullptr)
            return absolutePath;

        const auto result = juce::String::fromUTF8 (resolved);
        std::free (resolved);
        return result;
    }
}

std::vector<juce::uint64> Process::findRunningProcessIds (const juce::String& executable, const Options& options)
{
    const detail::ProcessMatcher matcher (executable, options, false);
    const auto self = getCurrentProcessId();
    std::vector<juce::uint64> ids;

    DIR* proc = ::opendir ("/proc");

    if (proc == nullptr)
    {
        tav::ExecutionContext::get().error ("Cannot list the running processes: "
                                            + tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false)));
        return ids;
    }

    while (const auto* entry = ::readdir (proc))
    {
        char* end = nullptr;
        const auto pid = std::strtoull (entry->d_name, &end, 10);

        if (end == entry->d_name || *end != '\0' || ! isValidPid (pid))
            continue;

        if (options.exceptThisProcess && pid == self)
            continue;

        if (processMatches ((pid_t) pid, matcher) && readProcessState ((pid_t) pid) != 'Z')
        {
            ids.push_back (pid);

            if (options.returnOnlyFirstMatch)
                break;
        }
    }

    ::closedir (proc);
    std::sort (ids.begin(), ids.end());

    if (options.processHandles != nullptr)
        detail::openHandles (ids, *options.processHandles);

    return ids;
}

bool Process::killAllInstances (const std::set<juce::uint64>& processIds)
{
    std::set<juce::uint64> valid;

    for (auto id : processIds)
        if (isValidPid (id))
            valid.insert (id);

    // A polite request first, so that programs can save and clean up; only
    // those that ignore it are killed.
    const bool termSent = signalAll (valid, SIGTERM);

    if (waitUntilAllEnded (valid, terminateWaitMs))
        return termSent;

    signalAll (valid, SIGKILL);

    if (waitUntilAllEnded (valid, killWaitMs))
        return true;

    tav::ExecutionContext::get().error ("Processes are still running after being killed");
    return false;
}

bool Process::isProcessRunning (juce::uint64 processId)
{
    if (! isValidPid (processId))
        return false;

    const auto pid = (pid_t) processId;

    switch (detail::ChildProcesses::poll (pid))
    {
        case detail::ChildProcesses::State::running:   return true;
        case detail::ChildProcesses::State::ended:     return false;
        case detail::ChildProcesses::State::notAChild: break;
    }

    if (::kill (pid, 0) != 0 && errno != EPERM)
        return false;

    // Someone else's ended child stays in the table until its parent reaps
    // it; it runs no more.
    const auto state = readProcessState (pid);
    return state != 0 && state != 'Z' && state != 'X';
}

juce::uint64 Process::getCurrentProcessId()
{
    return (juce::uint64) ::getpid();
}

} // namespace os
