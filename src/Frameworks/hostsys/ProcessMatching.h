#pragma once

#include "hostsys/Process.h"
#include <optional>

namespace os::detail
{

//==============================================================================
/**
    Decides whether a running process is one that findRunningProcessIds looks
    for. The platform files gather each process's executable path and
    arguments; the rules for comparing them live here, once for both
    platforms.
*/
class ProcessMatcher
{
public:
    /** Prepares the comparisons for an executable (full path or bare file
        name) and the options. File names compare without case when
        ignoreCase is set. */
    ProcessMatcher (const juce::String& executable, const Process::Options& options, bool ignoreCase);

    /** True when a process whose executable has this file name may match;
        lets the caller skip the costlier queries for most processes. */
    bool fileNameMayMatch (const juce::String& fileName) const;

    /** True when a process with this executable path matches. A relative
        path (a process's argv[0]) can only match a bare file name. */
    bool executableMatches (const juce::String& executablePath) const;

    /** True when the process's arguments must be compared at all. */
    bool needsArguments() const noexcept          { return matchArguments; }

    /** True when a process's argument list equals the wanted one. */
    bool argumentsMatch (const juce::StringArray& processArguments) const;

private:
    juce::String reduceFileName (const juce::String& fileName) const;
    bool namesEqual (const juce::String& a, const juce::String& b) const;

    juce::String wantedPath;       // normalised full path, empty for a bare name
    juce::String wantedFileName;
    juce::StringArray wantedArguments;
    bool ignoreCase;
    bool ignoreDebugPostfix;
    bool matchArguments;
};

/** The path with the platform's separators, for comparing paths as text. */
juce::String normalisePath (const juce::String& path);

/** The arguments of a whole Windows command line: the program name is
    skipped as Windows reads it (up to the closing quote when it starts with
    one, else up to white space, with no escapes), the rest is split as
    ConsoleProcess::splitCommandLine splits it. */
juce::StringArray getCommandLineArguments (const juce::String& commandLine);

/** Leaves out of ids every process whose handle cannot be opened (it has
    ended) and puts the handles of the others into handles, in order. */
void openHandles (std::vector<juce::uint64>& ids, std::vector<ProcessHandle>& handles);

/** True (using one up) while a test hides a process's command line; see
    os::testing::hideCommandLineForReads. */
bool takeHiddenCommandLineRead (juce::uint64 processId);

inline bool isUnread (const juce::StringArray& commandLine)               { return commandLine.isEmpty(); }
inline bool isUnread (const std::optional<juce::String>& commandLine)     { return ! commandLine.has_value() || commandLine->isEmpty(); }

/** Reads the command line of a process whose executable matched, with read.
    A process that has just started can show its program before its command
    line (Linux just after exec; Windows under Wine until the new process has
    set up its parameters, which a loaded machine stretches), so an empty or
    unreadable one is read again for a moment before it counts. */
template <typename Read>
auto readCommandLineOfStartedProcess (juce::uint64 processId, Read&& read) -> decltype (read())
{
    constexpr juce::uint32 settleTimeMs = 200;
    const auto deadline = juce::Time::getMillisecondCounter() + settleTimeMs;

    for (;;)
    {
        auto commandLine = takeHiddenCommandLineRead (processId) ? decltype (read()) {} : read();

        if (! isUnread (commandLine) || juce::Time::getMillisecondCounter() >= deadline)
            return commandLine;

        juce::Thread::sleep (1);
    }
}

/** The path as the operating system reports a running process's executable:
    links resolved where the platform resolves them. Implemented per platform. */
juce::String getCanonicalExecutablePath (const juce::String& absolutePath);

} // namespace os::detail
