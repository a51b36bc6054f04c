#pragma once

#include "tavcore/ExecutionContext.h"

namespace tav
{

//==============================================================================
/**
    Prints the messages of a context on the console: information on standard
    output, warnings and errors on standard error, each on a line of its own
    and flushed at once so that a service's output is never held back.
*/
class StandardOutputExecutionContextView : public ExecutionContextView
{
public:
    /** Formats a message as this view prints it (without the line end). */
    static juce::String formatMessage (const ExecutionMessage& message);

    void messageReceived (const ExecutionMessage& message) override;
};

} // namespace tav
