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

// A mouse event at a point of a component, with the given buttons and keys,
// for handing to the component's mouse callbacks as JUCE would.
inline juce::MouseEvent makeMouseEvent (juce::Component& component, juce::Point<float> position,
                                        juce::ModifierKeys modifiers = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier))
{
    auto source = juce::Desktop::getInstance().getMainMouseSource();
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (source, position, modifiers, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, &component, &component,
                             now, position, now, 1, false);
}
