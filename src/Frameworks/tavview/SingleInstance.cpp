#include "tavview/SingleInstance.h"

#include <cstring>

namespace gui::tav
{

namespace
{
    // What a later start sends; anything else on the pipe is ignored.
    const char* const anotherStartMessage = "another start";
    constexpr int connectTimeoutMs = 2000;

    juce::String getPipeName (const juce::String& instanceName)
    {
        return "tav-single-instance-" + juce::String::toHexString (instanceName.hashCode64());
    }
}

//==============================================================================
/** The first instance's end of the pipe: one later start at a time, the
    pipe made anew after each. */
class SingleInstance::Listener : public juce::InterprocessConnection
{
public:
    Listener (const juce::String& name, std::function<void()> callback)
        : juce::InterprocessConnection (true), pipeName (name), onAnotherStart (std::move (callback))
    {
        listen();
    }

    ~Listener() override
    {
        masterReference.clear();
        disconnect();
    }

    void connectionMade() override {}

    void connectionLost() override
    {
        juce::MessageManager::callAsync ([safe = juce::WeakReference<Listener> (this)]
        {
            if (safe != nullptr)
                safe->listen();
        });
    }

    void messageReceived (const juce::MemoryBlock& message) override
    {
        if (message.toString() == anotherStartMessage && onAnotherStart != nullptr)
            onAnotherStart();
    }

private:
    void listen()
    {
        // The lock is held, so a pipe of this name is a dead instance's.
        createPipe (pipeName, -1, false);
    }

    juce::String pipeName;
    std::function<void()> onAnotherStart;

    JUCE_DECLARE_WEAK_REFERENCEABLE (Listener)
};

//==============================================================================
SingleInstance::SingleInstance (const juce::String& instanceName, std::function<void()> onAnotherStart)
    : lock (getPipeName (instanceName))
{
    if (lock.enter (0))
        listener = std::make_unique<Listener> (getPipeName (instanceName), std::move (onAnotherStart));
}

// The listener goes first; the lock is released with it.
SingleInstance::~SingleInstance() = default;

std::unique_ptr<SingleInstance> SingleInstance::claim (const juce::String& instanceName, std::function<void()> onAnotherStart)
{
    std::unique_ptr<SingleInstance> instance (new SingleInstance (instanceName, std::move (onAnotherStart)));

    if (instance->listener != nullptr)
        return instance;

    notifyFirstInstance (instanceName);
    return nullptr;
}

bool SingleInstance::notifyFirstInstance (const juce::String& instanceName)
{
    struct Sender : public juce::InterprocessConnection
    {
        Sender() : juce::InterprocessConnection (false) {}
        ~Sender() override                        { disconnect(); }
        void connectionMade() override {}
        void connectionLost() override {}
        void messageReceived (const juce::MemoryBlock&) override {}
    };

    Sender sender;
    return sender.connectToPipe (getPipeName (instanceName), connectTimeoutMs)
        && sender.sendMessage (juce::MemoryBlock (anotherStartMessage, std::strlen (anotherStartMessage)));
}

} // namespace gui::tav
