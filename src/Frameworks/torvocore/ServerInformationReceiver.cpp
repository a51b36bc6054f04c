#include "torvocore/ServerInformationReceiver.h"
#include "torvocore/ServerInformationPacket.h"

namespace torvo
{

//==============================================================================
/** Waits for datagrams in short slices, so that a stop is seen promptly. */
class ServerInformationReceiver::ListeningThread : public juce::Thread
{
public:
    ListeningThread (ServerInformationReceiver& owner, std::unique_ptr<juce::DatagramSocket> boundSocket)
        : Thread ("StatusReceiver"), receiver (owner), socket (std::move (boundSocket)), buffer (ServerInformationPacket::maximumSize + 1)
    {
    }

    ~ListeningThread() override
    {
        // The socket stays open until the thread has left its last slice:
        // closing it under a waiting thread would race with the wait.
        stopThread (5000);
    }

    int getPort() const    { return socket->getBoundPort(); }

    void run() override
    {
        while (! threadShouldExit())
        {
            if (socket->waitUntilReady (true, 50) <= 0)
                continue;

            const auto size = socket->read (buffer.getData(), (int) buffer.getSize(), false);

            if (size > 0)
                receive ((size_t) size);
        }
    }

private:
    ServerInformationReceiver& receiver;
    std::unique_ptr<juce::DatagramSocket> socket;
    juce::MemoryBlock buffer;

    void receive (size_t size)
    {
        TorvoServerInformation information;
        const auto decoded = ServerInformationPacket::decode (buffer.getData(), size, information);

        if (decoded.wasOk())
            receiver.accept (information);
        else
            receiver.refuse (decoded.getErrorMessage());
    }
};

//==============================================================================
ServerInformationReceiver::ServerInformationReceiver() = default;

ServerInformationReceiver::~ServerInformationReceiver()
{
    stop();
}

juce::Result ServerInformationReceiver::start (int port, const juce::String& address)
{
    stop();
    auto socket = std::make_unique<juce::DatagramSocket> (false);

    if (port < 0 || port > 65535 || ! socket->bindToPort (port, address))
        return juce::Result::fail ("Cannot listen for the server's status on " + address + " port " + juce::String (port));

    thread = std::make_unique<ListeningThread> (*this, std::move (socket));
    thread->startThread();
    return juce::Result::ok();
}

void ServerInformationReceiver::stop()
{
    thread.reset();
}

bool ServerInformationReceiver::isListening() const
{
    return thread != nullptr;
}

int ServerInformationReceiver::getPort() const
{
    return thread != nullptr ? thread->getPort() : -1;
}

//==============================================================================
bool ServerInformationReceiver::getLatest (TorvoServerInformation& information, juce::int64& time) const
{
    const juce::ScopedLock sl (lock);

    if (numAccepted == 0)
        return false;

    information = latest;
    time = arrivalTime;
    return true;
}

juce::int64 ServerInformationReceiver::getLastArrivalTime() const
{
    const juce::ScopedLock sl (lock);
    return arrivalTime;
}

juce::uint64 ServerInformationReceiver::getNumAccepted() const
{
    const juce::ScopedLock sl (lock);
    return numAccepted;
}

juce::uint64 ServerInformationReceiver::getNumRefused() const
{
    const juce::ScopedLock sl (lock);
    return numRefused;
}

juce::String ServerInformationReceiver::getLastRefusal() const
{
    const juce::ScopedLock sl (lock);
    return lastRefusal;
}

void ServerInformationReceiver::accept (const TorvoServerInformation& information)
{
    const auto now = juce::Time::currentTimeMillis();
    const juce::ScopedLock sl (lock);
    latest = information;
    arrivalTime = now;
    ++numAccepted;
}

void ServerInformationReceiver::refuse (const juce::String& reason)
{
    const juce::ScopedLock sl (lock);
    lastRefusal = reason;
    ++numRefused;
}

} // namespace torvo
