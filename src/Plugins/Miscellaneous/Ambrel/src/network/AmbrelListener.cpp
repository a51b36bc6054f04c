#include "network/AmbrelConnection.h"
#include <tavcore/SuccessStatus.h>

namespace torvo
{

namespace
{
    constexpr juce::uint32 listenRetryIntervalMs = 2000;
    constexpr int acceptFailuresBeforeStall = 5;
    constexpr int acceptRetryPauseMs = 100;
}

//==============================================================================
void AmbrelDevice::startListener()
{
    const juce::ScopedLock sl (listenerLock);

    if (listenSocket != nullptr)
        return;

    auto socket = std::make_unique<juce::StreamingSocket>();

    if (socket->createListener (getListenPort(), {}))
    {
        listenSocket = std::move (socket);
        bindFailed = false;
        startThread();
    }
    else
    {
        bindFailed = true;
    }
}

void AmbrelDevice::stopListenerForRebind()
{
    const juce::ScopedLock sl (listenerLock);

    if (! acceptStalled.load())
        return;

    stopListenerThread();
    listenSocket.reset();
    acceptStalled = false;
}

void AmbrelDevice::shutdownNetwork()
{
    const juce::ScopedLock sl (listenerLock);

    stopListenerThread();
    listenSocket.reset();
    bindFailed = false;
    stopConnections();

    // Only now: the connections' teardowns take channelLock themselves.
    const juce::ScopedLock chl (channelLock);
    tables.handshakenClientCount = 0;
    tables.pickedUpChannels.clear();
}

void AmbrelDevice::stopListenerThread()
{
    signalThreadShouldExit();

    // Closing releases the accept the listener thread is blocked in.
    if (listenSocket != nullptr)
        listenSocket->close();

    waitForThreadToExit (-1);
}

void AmbrelDevice::stopConnections()
{
    const juce::ScopedLock cl (connectionsLock);

    // Every connection is asked first, so that they wind down together and
    // the stop takes as long as the slowest, not as long as all of them.
    for (auto& connection : connections)
        connection->requestStop();

    connections.clear();
}

void AmbrelDevice::serviceListener()
{
    bool hasSocket = false;

    {
        const juce::ScopedLock sl (listenerLock);
        hasSocket = listenSocket != nullptr;
    }

    const auto stalled = acceptStalled.load();

    if (hasSocket && ! stalled)
        return;

    const auto now = juce::Time::getMillisecondCounter();

    if (now - lastListenRetryMs <= listenRetryIntervalMs)
        return;

    lastListenRetryMs = now;

    if (stalled)
        stopListenerForRebind();

    startListener();
}

void AmbrelDevice::publishListenerStatus (juce::int32 clientCount)
{
    tav::SuccessStatus status;

    {
        const juce::ScopedLock sl (listenerLock);
        const auto port = juce::String (getListenPort());

        if (bindFailed)
            status.setError ("Failed to bind TCP port " + port + " (port already in use? another Ambrel device on the same port?)",
                             tav::ChangeCallback::none());
        else if (clientCount <= 0)
            status.setSuccess ("Listening on port " + port, tav::ChangeCallback::none());
        else
            status.setSuccess ("Ambrel connected: " + juce::String (clientCount) + (clientCount == 1 ? " client" : " clients")
                                   + " (port " + port + ")",
                               tav::ChangeCallback::none());
    }

    // The host prints a status when it changes, so a run of refusals shows
    // as one line, and its end as another.
    if (status.isSuccess() && refusingClients.load())
        status.setSuccess (status.getText() + "; " + describeRefusal(), tav::ChangeCallback::none());

    setStatusFromTorvoThread (status);
}

//==============================================================================
void AmbrelDevice::run()
{
    // Read without listenerLock: the socket was set before this thread
    // started and is only replaced after the thread has been stopped, and a
    // shutdown holds listenerLock while it waits for this thread.
    auto* listener = listenSocket.get();

    if (listener != nullptr && ! threadShouldExit())
        acceptConnections (*listener);
}

void AmbrelDevice::acceptConnections (juce::StreamingSocket& listener)
{
    int failures = 0;

    for (;;)
    {
        if (auto* client = listener.waitForNextConnection())
        {
            failures = 0;
            admitConnection (std::unique_ptr<juce::StreamingSocket> (client));
        }
        else
        {
            if (threadShouldExit())
                return;

            if (++failures >= acceptFailuresBeforeStall)
            {
                acceptStalled = true;
                sendSessionNotification ("Ambrel: accept loop stalled, rebinding listener");
                return;
            }

            wait (acceptRetryPauseMs);
        }

        if (threadShouldExit())
            return;
    }
}

void AmbrelDevice::admitConnection (std::unique_ptr<juce::StreamingSocket> clientSocket)
{
    reapFinishedConnections();
    bool reportLimit = false;

    {
        const juce::ScopedLock cl (connectionsLock);

        if ((int) connections.size() < clientLimit.load())
        {
            refusingClients = false;
            connections.push_back (std::make_unique<Connection> (*this, std::move (clientSocket)));
            return;
        }

        // One line per run of refusals, however many clients knock; the run
        // ends when a client leaves.
        reportLimit = ! refusingClients.exchange (true);
    }

    // Accepted and closed rather than left in the backlog: the client learns
    // at once, and the port never looks taken.
    clientSocket->close();

    if (reportLimit)
        sendSessionNotification ("Ambrel: " + describeRefusal());
}

juce::String AmbrelDevice::describeRefusal() const
{
    return juce::String (clientLimit.load()) + " clients connected, refusing new connections until one leaves";
}

void AmbrelDevice::reapFinishedConnections()
{
    const juce::ScopedLock cl (connectionsLock);

    for (auto i = connections.size(); i-- > 0;)
        if (connections[i]->isFinished())
            connections.erase (connections.begin() + (std::ptrdiff_t) i);
}

} // namespace torvo
