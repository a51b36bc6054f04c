#pragma once

#include <juce_events/juce_events.h>

#include <functional>
#include <memory>

namespace gui::tav
{

//==============================================================================
/**
    Keeps a program to one running instance per user: the first start holds
    a lock named after the program and listens on a local pipe of the same
    name; a later start finds the lock taken, tells the first instance
    through the pipe and is meant to end. JUCE's own inter-process broadcast
    of a second start does not exist on Linux, which is why the framework
    has this.

    The lock goes with the process that holds it, so a crashed first
    instance does not keep later ones from starting.
*/
class SingleInstance
{
public:
    ~SingleInstance();

    /** For the first instance of instanceName, the holder (keep it while the
        program runs); onAnotherStart is called on the message thread each
        time a later instance starts. For a later start, nullptr, once the
        first instance has been told (or could not be). */
    static std::unique_ptr<SingleInstance> claim (const juce::String& instanceName, std::function<void()> onAnotherStart);

    /** Tells the running first instance of instanceName that another start
        happened; false when none listens. */
    static bool notifyFirstInstance (const juce::String& instanceName);

private:
    class Listener;

    SingleInstance (const juce::String& instanceName, std::function<void()> onAnotherStart);

    juce::InterProcessLock lock;            // declared first: released last
    std::unique_ptr<Listener> listener;

    JUCE_DECLARE_NON_COPYABLE (SingleInstance)
};

} // namespace gui::tav
