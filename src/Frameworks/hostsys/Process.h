#pragma once

#include "hostsys/ProcessHandle.h"
#include <juce_core/juce_core.h>
#include <set>
#include <vector>

namespace os
{

//==============================================================================
/**
    Finds and ends running processes.

    A process matches an executable given as a full path when its executable
    is that file; given as a bare file name ("Torvo.exe"), when its executable
    has that file name. File names compare without case on Windows. With the
    debug postfix ignored, an executable whose name carries the postfix "_d"
    before its extension ("Torvo_d.exe") matches the plain name too.
*/
struct Process
{
    /** How findRunningProcessIds matches processes. */
    class Options
    {
    public:
        /** Leaves the calling process out of the results. */
        Options withExceptThisProcess (bool shouldExcept) const;

        /** Lets "Name_d" match "Name". */
        Options withIgnoreDebugPostfix (bool shouldIgnore) const;

        /** Also opens a handle of every process found, which stays bound to
            the process even after its id is recycled. handles receives one
            per returned id, in the same order; a process that ends before it
            can be opened is left out of the results. */
        Options withProcessHandles (std::vector<ProcessHandle>* handles) const;

        /** Only matches processes whose arguments (everything after the
            executable on their command line) equal these, white space
            between arguments counting as one space. */
        Options withArguments (const juce::String& arguments) const;

        bool exceptThisProcess = false;
        bool ignoreDebugPostfix = false;
        bool matchArguments = false;
        juce::String arguments;
        std::vector<ProcessHandle>* processHandles = nullptr;
    };

    /** The ids of running processes of an executable, in ascending order. */
    static std::vector<juce::uint64> findRunningProcessIds (const juce::String& executable, const Options& options);

    /** Ends every process of the set. True when all of them are gone (ids of
        processes that no longer exist count as ended). */
    static bool killAllInstances (const std::set<juce::uint64>& processIds);

    /** True while the process of an id exists. */
    static bool isProcessRunning (juce::uint64 processId);

    /** The id of the calling process. */
    static juce::uint64 getCurrentProcessId();

    /** The debug postfix that withIgnoreDebugPostfix lets match. */
    static constexpr const char* debugPostfix = "_d";
};

} // namespace os
