#include "network/AmbrelConnection.h"
#include "network/FrameBuffer.h"
#include "network/SocketSend.h"
#include "protocol/GradingProtocol.h"
#include "protocol/GradingSession.h"

namespace torvo
{

namespace
{
    /** How long a blocked read or write waits before looking at the exit flag. */
    constexpr int pollIntervalMs = 200;

    /** Waits one poll interval for the socket to be ready: -1 when the
        connection is over (closed, failed, or its thread asked to stop),
        0 when it is not ready yet, 1 when it is. */
    int waitForSocket (juce::Thread& thread, juce::StreamingSocket& socket, bool forReading)
    {
        if (thread.threadShouldExit() || ! socket.isConnected())
            return -1;

        return juce::jmin (socket.waitUntilReady (forReading, pollIntervalMs), 1);
    }

    /** Tells a frame whose bytes stopped arriving from a connection that is
        idle between frames: only the first has a time limit. */
    class ArrivalWatch
    {
    public:
        explicit ArrivalWatch (int limitMs) noexcept : stallLimitMs ((juce::uint32) juce::jmax (0, limitMs)) {}

        /** Records that bytes of the frame arrived. */
        void noteArrival() noexcept     { begun = true; lastArrivalMs = juce::Time::getMillisecondCounter(); }

        /** True when the frame has begun and its last bytes are older than the limit. */
        bool hasStalled() const noexcept
        {
            return begun && juce::Time::getMillisecondCounter() - lastArrivalMs > stallLimitMs;
        }

    private:
        juce::uint32 stallLimitMs, lastArrivalMs = 0;
        bool begun = false;
    };

    /** Waits until bytes can be read: false when the connection is over or
        the frame has stalled. */
    bool waitForBytes (juce::Thread& thread, juce::StreamingSocket& socket, const ArrivalWatch& watch)
    {
        for (;;)
        {
            const auto ready = waitForSocket (thread, socket, true);

            if (ready != 0)
                return ready > 0;

            if (watch.hasStalled())
                return false;
        }
    }

    /** Reads count bytes; false when the connection ends or the frame stalls. */
    bool readExact (juce::Thread& thread, juce::StreamingSocket& socket, void* buffer, size_t count, ArrivalWatch& watch)
    {
        auto* bytes = static_cast<char*> (buffer);
        size_t received = 0;

        while (received < count)
        {
            if (! waitForBytes (thread, socket, watch))
                return false;

            const auto n = socket.read (bytes + received, (int) (count - received), false);

            if (n < 1)
                return false;

            received += (size_t) n;
            watch.noteArrival();
        }

        return true;
    }

    /** Reads the rest of a frame; false when the connection ends or the frame stalls. */
    bool readFrameBody (juce::Thread& thread, juce::StreamingSocket& socket, FrameBuffer& frame, ArrivalWatch& watch)
    {
        while (! frame.isComplete())
        {
            if (! waitForBytes (thread, socket, watch))
                return false;

            size_t available = 0;
            auto* space = frame.prepareSpace (available);

            if (space == nullptr)
                return false;

            const auto n = socket.read (space, (int) available, false);

            if (n < 1)
                return false;

            frame.commit ((size_t) n);
            watch.noteArrival();
        }

        return true;
    }

    /** Writes every byte; false when the connection ends first. */
    bool writeAll (juce::Thread& thread, juce::StreamingSocket& socket, const void* buffer, size_t count)
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
}

AmbrelDevice::Connection::Connection (AmbrelDevice& device, std::unique_ptr<juce::StreamingSocket> clientSocket)
    : juce::Thread ("Ambrel connection"), owner (device), socket (std::move (clientSocket))
{
    // A thread that cannot start would never mark the connection finished:
    // it would hold its socket and its place among the clients for good.
    if (owner.failNextConnectionThread.exchange (false) || ! startThread())
    {
        socket.close();
        finished = true;
    }
}

AmbrelDevice::Connection::~Connection()
{
    requestStop();
    waitForThreadToExit (-1);
}

void AmbrelDevice::Connection::requestStop()
{
    signalThreadShouldExit();
    socket.close();
}

void AmbrelDevice::Connection::run()
{
    owner.runClient (socket.get(), socket.getPeer(), *this);

    // Closed here rather than when the connection is reaped, which waits for
    // the next client: the peer learns at once that nothing more will come.
    socket.close();
    finished = true;

    // A place among the clients is free again.
    owner.refusingClients = false;
}

//==============================================================================
void AmbrelDevice::runClient (juce::StreamingSocket& socket, const juce::String& peer, juce::Thread& thread)
{
    GradingSession session;
    session.peer = peer;
    FrameBuffer frame (frameBudget);

    while (! thread.threadShouldExit())
    {
        if (! socket.isConnected())
            break;

        juce::uint8 lengthBytes[4];
        ArrivalWatch watch (partialFrameTimeoutMs.load());

        if (! readExact (thread, socket, lengthBytes, sizeof (lengthBytes), watch))
            break;

        if (! FrameBuffer::isValidFrameLength ((juce::int32) juce::ByteOrder::littleEndianInt (lengthBytes)))
            break;

        if (! frame.start (lengthBytes))
            break;

        if (! readFrameBody (thread, socket, frame, watch))
            break;

        if (const auto delayMs = frameHandlingDelayMs.load(); delayMs > 0)
            juce::Thread::sleep (delayMs);

        const auto reply = handleGradingMessage (*this, frame.getData(), frame.getLength(), session);
        frame.release();

        if (reply.empty() || ! writeAll (thread, socket, reply.data(), reply.size()))
            break;

        if (session.closeAfterReply)
            break;
    }

    removeSessionShare (session);
}

} // namespace torvo
