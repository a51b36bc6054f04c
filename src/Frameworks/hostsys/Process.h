#pragma once

#include "hostsys/ProcessHandle.h"
#include "hostsys/SystemPreferenceProcess.h"
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

        /** The same for a pointer to the arguments; nullptr matches any
            arguments. The text is copied. */
        Options withArguments (const juce::String* arguments) const;

        /** Stops the search at the first process found: enough for whoever
            only asks whether the program runs, and cheaper with many
            processes. */
        Options withReturnOnlyFirstMatch (bool shouldReturnOnlyFirst) const;

        bool exceptThisProcess = false;
        bool ignoreDebugPostfix = false;
        bool matchArguments = false;
        bool returnOnlyFirstMatch = false;
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

    //==============================================================================
    /** The home folder of the account the system's services run as, below
        which their data folders lie (Windows: the LocalSystem profile;
        Linux: root's home). The environment variable
        TORVO_SYSTEM_USER_DIRECTORY names another folder (for tests). An
        empty File when there is none. */
    static juce::File getSystemUserDirectory();

    /** Opens one of the operating system's settings dialogs. False when it
        cannot be started; the calling thread's last operating-system error
        then says why. */
    static bool startSystemPreferenceProcess (SystemPreferenceProcess dialog);

    /** Shows a file in the desktop's file manager: its folder opens with the
        file selected where the platform can select one (Windows), the
        folder alone otherwise; a folder opens itself. False (with an error
        on the calling thread's context) when nothing could be shown. */
    static bool revealToUser (const juce::File& file);

    /** The executable of a program (the name without extension, "TorvoBoot")
        in the folder of the running executable. */
    static juce::File getExecutableFileNextToCurrentOne (const juce::String& programName);

    /** The debug postfix that withIgnoreDebugPostfix lets match. */
    static constexpr const char* debugPostfix = "_d";
};

} // namespace os
