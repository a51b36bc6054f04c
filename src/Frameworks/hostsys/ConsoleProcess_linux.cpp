#include "hostsys/ConsoleProcess.h"
#include "hostsys/Process.h"
#include "ChildProcesses_linux.h"
#include <tavcore/ExecutionContext.h>
#include <tavcore/Thread.h>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <vector>

extern char** environ;

namespace os
{

struct ConsoleProcess::Handle
{
    pid_t pid = 0;
};

namespace
{
    constexpr int exitPollIntervalMs = 5;

    /** The spawn settings: working directory, discarded output and default
        signal handling in the child whatever the caller has changed. */
    class SpawnSetup
    {
    public:
        SpawnSetup (const juce::File& workingDirectory, bool redirectOutput)
        {
            ::posix_spawn_file_actions_init (&actions);
            ::posix_spawnattr_init (&attributes);

            if (workingDirectory != juce::File())
                ::posix_spawn_file_actions_addchdir_np (&actions, workingDirectory.getFullPathName().toRawUTF8());

            if (redirectOutput)
            {
                ::posix_spawn_file_actions_addopen (&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
                ::posix_spawn_file_actions_adddup2 (&actions, STDOUT_FILENO, STDERR_FILENO);
            }

            sigset_t noSignals, allSignals;
            sigemptyset (&noSignals);
            sigfillset (&allSignals);
            ::posix_spawnattr_setsigmask (&attributes, &noSignals);
            ::posix_spawnattr_setsigdefault (&attributes, &allSignals);
            ::posix_spawnattr_setflags (&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        }

        ~SpawnSetup()
        {
            ::posix_spawnattr_destroy (&attributes);
            ::posix_spawn_file_actions_destroy (&actions);
        }

        posix_spawn_file_actions_t actions;
        posix_spawnattr_t attributes;

        JUCE_DECLARE_NON_COPYABLE (SpawnSetup)
    };
}

std::unique_ptr<ConsoleProcess> ConsoleProcess::create (const juce::String& executable, const juce::String& arguments,
                                                        const juce::File& workingDirectory, bool redirectOutput)
{
    // A relative path names a file from the caller's directory, not from the
    // child's working directory, as it does on Windows.
    const auto program = executable.containsChar ('/') ? juce::File::getCurrentWorkingDirectory().getChildFile (executable).getFullPathName()
                                                       : executable;
    auto argumentList = splitCommandLine (arguments);
    argumentList.insert (0, executable);

    std::vector<char*> argv;

    for (auto& argument : argumentList)
        argv.push_back (const_cast<char*> (argument.toRawUTF8()));

    argv.push_back (nullptr);

    const SpawnSetup setup (workingDirectory, redirectOutput);
    pid_t pid = 0;

    // glibc's posix_spawn returns only once the child has exec'd, and hands
    // back the error of a child that could not change directory or exec.
    const int result = ::posix_spawnp (&pid, program.toRawUTF8(), &setup.actions, &setup.attributes,
                                       argv.data(), environ);

    if (result != 0)
    {
        errno = result;
        tav::ExecutionContext::get().error ("Cannot start " + executable
                                            + (workingDirectory != juce::File() ? " in " + workingDirectory.getFullPathName() : juce::String())
                                            + ": " + tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false)));
        return nullptr;
    }

    detail::ChildProcesses::keepExitCode (pid);
    auto handle = std::make_unique<Handle>();
    handle->pid = pid;
    return std::unique_ptr<ConsoleProcess> (new ConsoleProcess ((juce::uint64) pid, std::move (handle)));
}

ConsoleProcess::ConsoleProcess (juce::uint64 id, std::unique_ptr<Handle> processHandle)
    : processId (id), handle (std::move (processHandle))
{
}

ConsoleProcess::~ConsoleProcess()
{
    // The child goes on; whoever asks about it later reaps it.
    detail::ChildProcesses::forget (handle->pid);
}

bool ConsoleProcess::isRunning() const
{
    switch (detail::ChildProcesses::poll (handle->pid))
    {
        case detail::ChildProcesses::State::running:   return true;
        case detail::ChildProcesses::State::ended:     return false;
        case detail::ChildProcesses::State::notAChild: break;
    }

    return Process::isProcessRunning (processId);
}

bool ConsoleProcess::waitForExit (int timeoutMs) const
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) juce::jmax (0, timeoutMs);

    while (isRunning())
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;

        juce::Thread::sleep (exitPollIntervalMs);
    }

    return true;
}

int ConsoleProcess::getExitCode() const
{
    return detail::ChildProcesses::getExitCode (handle->pid);
}

} // namespace os
