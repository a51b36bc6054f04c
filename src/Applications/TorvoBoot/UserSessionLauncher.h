#pragma once

#include <juce_core/juce_core.h>

// Starting, finding and watching the managed applications' processes.
// Watched processes are held by handle (Windows) or process file descriptor
// (Linux), so a recycled process id can never pass for a watched process.
// Used only on the service thread.

/** The id of a running process of an executable whose arguments match, or
    0; every process found is watched from then on. */
juce::uint64 findRunningProcess (const juce::String& executable, const juce::String& arguments, bool ignoreDebugPostfix);

/** Starts an executable with arguments in a working directory (empty: the
    launcher's own): as a service, in the logged-on user's session with that
    user's identity; interactively, as an ordinary child process. Returns the
    new process's id (watched from then on), or 0 after reporting why not. */
juce::uint64 launchProcess (const juce::String& executable, const juce::String& arguments,
                            const juce::String& workingDirectory, bool showConsole);

/** Starts watching a process by id; an id already watched is left alone. */
void trackProcessHandle (juce::uint64 processId);

/** True while a watched process runs; false for unwatched ids. The watch
    ends when the process has ended. */
bool isProcessRunning (juce::uint64 processId);

/** The command line a launched process gets: the executable in double
    quotes, then one space and the arguments unchanged when there are any. */
juce::String buildLaunchCommandLine (const juce::String& executable, const juce::String& arguments);
