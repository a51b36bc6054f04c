#pragma once

// Header-only, for the tests that link hostsys.
#include "Waiting.h"
#include <hostsys/Process.h>
#include <set>
#include <vector>

namespace programs
{
    /** The running processes of an executable (by its full path). */
    inline std::vector<juce::uint64> findAllOf (const juce::File& executable)
    {
        return os::Process::findRunningProcessIds (executable.getFullPathName(), {});
    }

    /** Ends every running process of an executable (by its full path). */
    inline void killAllOf (const juce::File& executable)
    {
        const auto ids = findAllOf (executable);
        os::Process::killAllInstances (std::set<juce::uint64> (ids.begin(), ids.end()));
    }

    /** Waits until a process id no longer runs. */
    inline bool waitUntilGone (juce::uint64 processId, int timeoutMs = 10000)
    {
        return waitUntil ([processId] { return ! os::Process::isProcessRunning (processId); }, timeoutMs);
    }

    //==============================================================================
    /** Ends the processes a test started, whatever the test's outcome. */
    class ProcessReaper
    {
    public:
        ~ProcessReaper()                   { os::Process::killAllInstances (ids); }

        /** Ends the process when the reaper goes. */
        void add (juce::uint64 id)         { ids.insert (id); }

    private:
        std::set<juce::uint64> ids;
    };
}
