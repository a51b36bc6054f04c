#pragma once

#include "torvocore/ControlEventListener.h"
#include "torvocore/SynchableDevice.h"

namespace torvo
{

//==============================================================================
/**
    A device with controls whose changes it announces to its listeners.
    Announcements may come from any thread of the device and are delivered
    on that thread, to every listener in the order they were added.
*/
class ControlDevice : public SynchableDevice
{
public:
    using SynchableDevice::SynchableDevice;

    /** Adds a listener (not owned); adding one twice has no effect. */
    void addControlEventListener (ControlEventListener* listener);

    /** Removes a listener; once this returns, no delivery to it is under way. */
    void removeControlEventListener (ControlEventListener* listener);

    /** Delivers a change to every listener. A time of -1 means now. */
    void sendControllerChangedNotification (const ControllerIdentifier& identifier, const tav::Object& value,
                                            double timeInSeconds, bool isNewValue);

    //==============================================================================
    /** The class of the device's controller identifiers, or nullptr for any. */
    virtual const tav::Class* getControllerIdentifierClass() const    { return nullptr; }

    /** True for devices that announce changes from threads of their own. */
    virtual bool sendsNotificationsFromOwnThreads() const             { return false; }

    /** Sends a value to a control of the device; false when it has no such output. */
    virtual bool sendValue (const ControllerIdentifier& identifier, const tav::Object& value);

private:
    juce::CriticalSection listenerLock;
    juce::Array<ControlEventListener*> listeners;
};

} // namespace torvo
