#pragma once

#include <hostsys/ProcessHandle.h>
#include <juce_core/juce_core.h>

// Starting, finding and watching the managed applications' processes.
// Watched processes are held by handle (Windows) or process file descriptor
// (Linux), so a recycled process id can never pass for a watched process.
// Used only on the service thread.

/** The id of a running process of an executable whose arguments match, or
    0; the process found is watched from then on. */
juce::uint64 findRunningProcess (const juce::String& executable, const juce::String& arguments, bool ignoreDebugPostfix);

/** Starts an executable with arguments in a working directory (empty: the
    launcher's own): as a service, in the logged-on user's session with that
    user's identity; interactively, as an ordinary child process. Returns the
    new process's id (watched from then on), or 0 after reporting why not. */
juce::uint64 launchProcess (const juce::String& executable, const juce::String& arguments,
                            const juce::String& workingDirectory, bool showConsole);

/** Starts watching the process that now has this id, in place of any
    earlier watch of the id. */
void trackProcessHandle (juce::uint64 processId);

/** Watches a process through a handle already open, in place of any
    earlier watch of its id. */
void watchProcess (os::ProcessHandle handle);

/** Ends the watch of a process id: once its process has been killed, the id
    may be handed to the next process started. */
void stopWatchingProcess (juce::uint64 processId);

/** True while a watched process runs; false for unwatched ids. The watch
    ends when the process has ended. */
bool isProcessRunning (juce::uint64 processId);

/** The command line a launched process gets: the executable in double
    quotes, then one space and the arguments unchanged when there are any. */
juce::String buildLaunchCommandLine (const juce::String& executable, const juce::String& arguments);
