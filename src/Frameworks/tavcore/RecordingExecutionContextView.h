#pragma once

#include "tavcore/ExecutionContext.h"

namespace tav
{

//==============================================================================
/**
    Keeps every message it receives, for programs that show them later and
    for tests that check what was said.
*/
class RecordingExecutionContextView : public ExecutionContextView
{
public:
    void messageReceived (const ExecutionMessage& message) override;

    /** A copy of the messages received so far. */
    std::vector<ExecutionMessage> getMessages() const;

    /** The texts of the messages received so far, prefixed as the console shows them. */
    juce::StringArray getLines() const;

    /** Forgets the messages received so far. */
    void clear();

private:
    juce::CriticalSection lock;
    std::vector<ExecutionMessage> messages;
};

} // namespace tav
