#pragma once

#include "tavcore/ExecutionContext.h"

namespace tav
{

//==============================================================================
/**
    Appends the messages of a context to a log file, one time-stamped line
    each. Every line is appended on its own, so several contexts (and
    threads) can share one file, and a crash never loses what was logged.
    When the file grows past its limit it is renamed with ".1" and a new one
    begins.
*/
class FileExecutionContextView : public ExecutionContextView
{
public:
    /** Logs to a file, creating its folder when needed. */
    explicit FileExecutionContextView (const juce::File& logFile, juce::int64 sizeLimitBytes = 10 * 1024 * 1024);

    void messageReceived (const ExecutionMessage& message) override;

    /** "2026-12-10 14:03:07.250 Warning: text". */
    static juce::String formatLine (const ExecutionMessage& message);

private:
    juce::File file;
    juce::int64 sizeLimit;
};

} // namespace tav
