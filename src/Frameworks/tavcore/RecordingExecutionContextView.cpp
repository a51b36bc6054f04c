#include "tavcore/RecordingExecutionContextView.h"
#include "tavcore/StandardOutputExecutionContextView.h"

namespace tav
{

void RecordingExecutionContextView::messageReceived (const ExecutionMessage& message)
{
    const juce::ScopedLock sl (lock);
    messages.push_back (message);
}

std::vector<ExecutionMessage> RecordingExecutionContextView::getMessages() const
{
    const juce::ScopedLock sl (lock);
    return messages;
}

juce::StringArray RecordingExecutionContextView::getLines() const
{
    juce::StringArray lines;

    for (auto& message : getMessages())
        lines.add (StandardOutputExecutionContextView::formatMessage (message));

    return lines;
}

void RecordingExecutionContextView::clear()
{
    const juce::ScopedLock sl (lock);
    messages.clear();
}

} // namespace tav
