#pragma once

#include <juce_core/juce_core.h>
#include <memory>

namespace os
{

//==============================================================================
/**
    A program started directly by the calling process, in its own session
    and with its environment, without a shell.

    The arguments are one text split as a Windows command line splits it
    (white space separates, double quotes group, backslashes escape quotes).
    Destroying the object does not end the process: callers may start a
    process, take its id and let the object go.
*/
class ConsoleProcess
{
public:
    ~ConsoleProcess();

    /** Starts an executable with arguments in a working directory. With
        redirectOutput, the child's standard output and error are discarded
        (Linux) or the child gets no console window (Windows); otherwise it
        shares the caller's console. Returns nullptr (with an error on the
        calling thread's context) when the process cannot be started. */
    static std::unique_ptr<ConsoleProcess> create (const juce::String& executable, const juce::String& arguments,
                                                   const juce::File& workingDirectory, bool redirectOutput);

    /** Splits a Windows-style command line into its arguments. */
    static juce::StringArray splitCommandLine (const juce::String& commandLine);

    /** The process id. */
    juce::uint64 getProcessId() const noexcept    { return processId; }

    /** True while the process runs. */
    bool isRunning() const;

    /** Waits at most timeoutMs for the process to end; true when it ended. */
    bool waitForExit (int timeoutMs) const;

    /** The exit code once the process has ended (-1 before). */
    int getExitCode() const;

private:
    struct Handle;

    ConsoleProcess (juce::uint64 id, std::unique_ptr<Handle> handle);

    juce::uint64 processId;
    std::unique_ptr<Handle> handle;
};

} // namespace os
