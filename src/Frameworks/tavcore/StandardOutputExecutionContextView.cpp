#include "tavcore/StandardOutputExecutionContextView.h"
#include <cstdio>

namespace tav
{

juce::String StandardOutputExecutionContextView::formatMessage (const ExecutionMessage& message)
{
    switch (message.level)
    {
        case MessageLevel::warning:  return "Warning: " + message.text;
        case MessageLevel::error:    return "Error: " + message.text;
        case MessageLevel::information:
        default:                     return message.text;
    }
}

void StandardOutputExecutionContextView::messageReceived (const ExecutionMessage& message)
{
    auto* stream = message.level == MessageLevel::information ? stdout : stderr;
    const auto line = formatMessage (message) + "\n";
    std::fputs (line.toRawUTF8(), stream);
    std::fflush (stream);
}

} // namespace tav
