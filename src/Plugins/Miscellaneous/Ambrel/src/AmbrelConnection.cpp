#include "AmbrelConnection.h"
#include "FrameBuffer.h"
#include "GradingProtocol.h"
#include "GradingSession.h"
#include "SocketSend.h"

namespace torvo
{

namespace
{
    /** How long a blocked read or write waits before looking at the exit flag. */
    constexpr int pollIntervalMs = 200;

    /** How long destroying a connection waits for its thread. */
    constexpr int stopTimeoutMs = 2000;

    /** Waits one poll interval for the socket to be ready: -1 when the
        connection is over (closed, failed, or its thread asked to stop),
        0 when it is not ready yet, 1 when it is. */
    int waitForSocket (juce::Thread& thread, juce::StreamingSocket& socket, bool forReading)
    {
        if (thread.threadShouldExit() || ! socket.isConnected())
            return -1;

        return juce::jmin (socket.waitUntilReady (forReading, pollIntervalMs), 1);
    }
}

AmbrelDevice::Connection::Connection (AmbrelDevice& device, std::unique_ptr<juce::StreamingSocket> clientSocket)
    : juce::Thread ("Ambrel connection"), owner (device), socket (std::move (clientSocket))
{
    startThread();
}

AmbrelDevice::Connection::~Connection()
{
    signalThreadShouldExit();
    socket->close();
    stopThread (stopTimeoutMs);
    socket.reset();
}

void AmbrelDevice::Connection::run()
{
    owner.runClient (*socket, *this);

    // Closed here rather than when the connection is reaped, which waits for
    // the next client: the peer learns at once that nothing more will come.
    socket->close();
    finished = true;
}

//==============================================================================
void AmbrelDevice::runClient (juce::StreamingSocket& socket, juce::Thread& thread)
{
    GradingSession session;
    session.peer = socket.getHostName();
    FrameBuffer frame;

    while (! thread.threadShouldExit())
    {
        if (! socket.isConnected())
            break;

        juce::uint8 lengthBytes[4];

        if (! readExact (thread, socket, lengthBytes, sizeof (lengthBytes)))
            break;

        if (! FrameBuffer::isValidFrameLength ((juce::int32) juce::ByteOrder::littleEndianInt (lengthBytes)))
            break;

        frame.start (lengthBytes);

        if (! readFrameBody (thread, socket, frame))
            break;

        const auto reply = handleGradingMessage (*this, frame.getData(), frame.getLength(), session);
        frame.release();

        if (reply.empty() || ! writeAll (thread, socket, reply.data(), reply.size()))
            break;

        if (session.closeAfterReply)
            break;
    }

    removeSessionShare (session);
}

void AmbrelDevice::removeSessionShare (const GradingSession& session)
{
    {
        const juce::ScopedLock sl (channelLock);

        if (session.counted)
            --tables.handshakenClientCount;

        for (auto& name : session.pickedUp)
            if (auto it = tables.pickedUpChannels.find (name); it != tables.pickedUpChannels.end() && --it->second <= 0)
                tables.pickedUpChannels.erase (it);
    }

    if (session.counted)
        sendSessionNotification ("disconnected");
}

//==============================================================================
bool AmbrelDevice::readExact (juce::Thread& thread, juce::StreamingSocket& socket, void* buffer, size_t count)
{
    auto* bytes = static_cast<char*> (buffer);
    size_t received = 0;

    while (received < count)
    {
        const auto ready = waitForSocket (thread, socket, true);

        if (ready < 0)
            return false;

        if (ready == 0)
            continue;

        const auto n = socket.read (bytes + received, (int) (count - received), false);

        if (n < 1)
            return false;

        received += (size_t) n;
    }

    return true;
}

bool AmbrelDevice::readFrameBody (juce::Thread& thread, juce::StreamingSocket& socket, FrameBuffer& frame)
{
    while (! frame.isComplete())
    {
        const auto ready = waitForSocket (thread, socket, true);

        if (ready < 0)
            return false;

        if (ready == 0)
            continue;

        size_t available = 0;
        auto* space = frame.prepareSpace (available);
        const auto n = socket.read (space, (int) available, false);

        if (n < 1)
            return false;

        frame.commit ((size_t) n);
    }

    return true;
}

bool AmbrelDevice::writeAll (juce::Thread& thread, juce::StreamingSocket& socket, const void* buffer, size_t count)
{
    const auto* bytes = static_cast<const char*> (buffer);
    size_t sent = 0;

    while (sent < count)
    {
        const auto ready = waitForSocket (thread, socket, false);

        if (ready < 0)
            return false;

        if (ready == 0)
            continue;

        const auto n = sendWithoutSignal (socket, bytes + sent, (int) (count - sent));

        if (n <= 0)
            return false;

        sent += (size_t) n;
    }

    return true;
}

} // namespace torvo
