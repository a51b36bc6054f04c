#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    A program under test, started so that it can be asked to stop the way a
    console asks: SIGTERM on Linux, Ctrl+Break on Windows. Its output goes to
    a file. The destructor ends a process still running.
*/
class StoppableProcess
{
public:
    StoppableProcess (const juce::File& executable, const juce::StringArray& arguments, const juce::File& outputFile);

    /** The same, for a program that will not be asked to stop (Windows: no
        console of its own, which is slow to make). */
    StoppableProcess (const juce::File& executable, const juce::StringArray& arguments, const juce::File& outputFile,
                      bool stoppable);
    ~StoppableProcess();

    /** True when the process was started. */
    bool isStarted() const noexcept;

    /** Asks the process to stop as a console would. */
    void requestStop();

    /** Asks the process to stop as Ctrl+C in its console does: SIGINT on
        Linux, the same as requestStop on Windows. */
    void requestInterrupt();

    /** Waits at most timeoutMs for the process to end; its exit code, or -1. */
    int waitForExit (int timeoutMs);

private:
    struct Native;
    std::unique_ptr<Native> native;
};
