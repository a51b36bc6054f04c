#pragma once

#include "torvocore/ControlEventListener.h"
#include "torvocore/ControlNotificationQueue.h"
#include "torvocore/SynchableDevice.h"

namespace torvo
{

//==============================================================================
/**
    A device with controls whose changes it announces to its listeners.
    Announcements may come from any thread of the device. Until a host asks
    for queued delivery they reach every listener at once, on the sending
    thread, in the order the listeners were added; once it has, each is
    queued and the host delivers them on its update thread, so listeners
    touch their element only between the host's frames.
*/
class ControlDevice : public SynchableDevice
{
public:
    using SynchableDevice::SynchableDevice;

    /** Adds a listener (not owned); adding one twice has no effect. */
    void addControlEventListener (ControlEventListener* listener);

    /** Removes a listener; once this returns, no delivery to it is under way. */
    void removeControlEventListener (ControlEventListener* listener);

    /** Delivers a change to every listener, or queues it for the host (see
        deliverOnHostThread()). A time of -1 means now. */
    void sendControllerChangedNotification (const ControllerIdentifier& identifier, const tav::Object& value,
                                            double timeInSeconds, bool isNewValue);

    /** From now on every change is queued, on whichever thread it is sent,
        the host's update thread included (so that one sent there cannot
        overtake those still waiting), until deliverQueuedNotifications(). */
    void deliverOnHostThread() noexcept    { queuesNotifications = true; }

    /** Delivers the queued changes in the order they were sent; the host
        calls this on its update thread once per frame. */
    void deliverQueuedNotifications();

    //==============================================================================
    /** The class of the device's controller identifiers, or nullptr for any. */
    virtual const tav::Class* getControllerIdentifierClass() const    { return nullptr; }

    /** True for devices that announce changes from threads of their own. */
    virtual bool sendsNotificationsFromOwnThreads() const             { return false; }

    /** Sends a value to a control of the device; false when it has no such output. */
    virtual bool sendValue (const ControllerIdentifier& identifier, const tav::Object& value);

private:
    std::atomic<bool> queuesNotifications { false };
    ControlNotificationQueue queue;
    juce::CriticalSection listenerLock;
    juce::Array<ControlEventListener*> listeners;

    void deliver (const ControllerIdentifier& identifier, const tav::Object& value, double timeInSeconds, bool isNewValue);
};

} // namespace torvo
