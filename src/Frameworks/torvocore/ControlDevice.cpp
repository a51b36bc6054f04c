#include "torvocore/ControlDevice.h"

namespace torvo
{

void ControlDevice::addControlEventListener (ControlEventListener* listener)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.addIfNotAlreadyThere (listener);
}

void ControlDevice::removeControlEventListener (ControlEventListener* listener)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.removeFirstMatchingValue (listener);
}

void ControlDevice::sendControllerChangedNotification (const ControllerIdentifier& identifier, const tav::Object& value,
                                                       double timeInSeconds, bool isNewValue)
{
    const auto time = timeInSeconds < 0.0 ? juce::Time::getMillisecondCounterHiRes() / 1000.0 : timeInSeconds;

    if (queuesNotifications)
    {
        const auto queued = queue.push (identifier, value, time, isNewValue);
        jassert (queued);   // its identifier and value classes must be registered
        juce::ignoreUnused (queued);
        return;
    }

    deliver (identifier, value, time, isNewValue);
}

void ControlDevice::deliverQueuedNotifications()
{
    for (auto& notification : queue.takeAll())
        deliver (*notification.identifier, *notification.value, notification.timeInSeconds, notification.isNewValue);
}

void ControlDevice::deliver (const ControllerIdentifier& identifier, const tav::Object& value, double time, bool isNewValue)
{
    // Held during delivery so that a removed listener is never called after
    // its removal returned; the lock is recursive, so a listener may add or
    // remove listeners from inside its callback.
    const juce::ScopedLock sl (listenerLock);

    for (int i = 0; i < listeners.size(); ++i)
        listeners.getUnchecked (i)->controllerChanged (*this, identifier, value, time, isNewValue);
}

bool ControlDevice::sendValue (const ControllerIdentifier&, const tav::Object&)
{
    return false;
}

} // namespace torvo
