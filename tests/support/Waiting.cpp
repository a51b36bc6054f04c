#include "Waiting.h"

bool waitUntil (const std::function<bool()>& condition, int timeoutMs, int pollIntervalMs)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;

        juce::Thread::sleep (pollIntervalMs);
    }

    return true;
}

bool waitForFile (const juce::File& file, int timeoutMs)
{
    return waitUntil ([&] { return file.existsAsFile(); }, timeoutMs, 20);
}

bool waitForText (const juce::File& file, const juce::String& text, int timeoutMs, int pollIntervalMs)
{
    return waitUntil ([&] { return file.loadFileAsString().contains (text); }, timeoutMs, pollIntervalMs);
}
