#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// Runs the message loop of the calling (message) thread until condition holds
// (true) or timeoutMs have passed (false). The bound is generous: it only ends
// a test whose awaited paint never comes.
inline bool dispatchUntil (const std::function<bool()>& condition, int timeoutMs = 10000)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > deadline)
            return false;

        juce::MessageManager::getInstance()->runDispatchLoopUntil (10);
    }

    return true;
}
