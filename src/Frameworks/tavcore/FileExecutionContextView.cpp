#include "tavcore/FileExecutionContextView.h"
#include "tavcore/StandardOutputExecutionContextView.h"

namespace tav
{

FileExecutionContextView::FileExecutionContextView (const juce::File& logFile, juce::int64 sizeLimitBytes)
    : file (logFile), sizeLimit (sizeLimitBytes)
{
    file.getParentDirectory().createDirectory();
}

juce::String FileExecutionContextView::formatLine (const ExecutionMessage& message)
{
    return message.time.formatted ("%Y-%m-%d %H:%M:%S.") + juce::String (message.time.getMilliseconds()).paddedLeft ('0', 3)
         + " " + StandardOutputExecutionContextView::formatMessage (message);
}

void FileExecutionContextView::messageReceived (const ExecutionMessage& message)
{
    if (file.getSize() > sizeLimit)
        file.moveFileTo (file.withFileExtension (file.getFileExtension() + ".1"));

    file.appendText (formatLine (message) + "\n", false, false, "\n");
}

} // namespace tav
