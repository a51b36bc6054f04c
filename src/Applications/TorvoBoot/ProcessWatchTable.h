#pragma once

#include <hostsys/ProcessHandle.h>
#include <map>

//==============================================================================
/**
    The processes the monitor watches, one open handle per process id. A
    handle stays bound to its process, so an id the system hands out again
    never passes for the process that had it; for that, a watch must end when
    its process can no longer be the one behind the id: when it is seen
    ended, when it was killed, and when a new process is watched under the
    same id. Used on one thread.
*/
class ProcessWatchTable
{
public:
    /** Watches the process behind an id through its handle, in place of
        any earlier watch of that id; an invalid handle (the process is
        already gone) leaves the id unwatched. */
    void watch (juce::uint64 processId, os::ProcessHandle handle);

    /** Ends the watch of an id and closes its handle. */
    void forget (juce::uint64 processId);

    /** True while the watched process of an id runs; false for an id not
        watched. The watch of an ended process ends here. */
    bool isRunning (juce::uint64 processId);

    /** True while an id is watched. */
    bool isWatching (juce::uint64 processId) const;

private:
    std::map<juce::uint64, os::ProcessHandle> handles;
};
