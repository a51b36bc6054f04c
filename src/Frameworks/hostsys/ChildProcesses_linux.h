#pragma once

#include <sys/types.h>

namespace os::detail
{

//==============================================================================
/**
    Reaps ended children of this process and keeps their exit codes for the
    ConsoleProcess objects that still want them.

    Whoever first notices that a child has ended (Process::isProcessRunning or
    the child's ConsoleProcess) reaps it, so that no ended child lingers as a
    zombie that looks alive; the exit code survives for the ConsoleProcess.
*/
struct ChildProcesses
{
    enum class State
    {
        running,
        ended,
        notAChild
    };

    /** Asks for the exit code of a child to be kept once it is reaped. */
    static void keepExitCode (pid_t pid);

    /** Forgets a child's kept exit code and stops keeping it. */
    static void forget (pid_t pid);

    /** Whether a child still runs, reaping it without blocking when it has
        ended; notAChild for processes that are not (or no longer) children
        whose exit code is kept. */
    static State poll (pid_t pid);

    /** The kept exit code of an ended child, or -1. A child ended by a signal
        reports 128 plus the signal number, as shells do. */
    static int getExitCode (pid_t pid);
};

} // namespace os::detail
