#include "attacks/AttackSockets.h"
#include <bson/BsonCodec.h>
#include <network/SocketSend.h>

namespace torvo::attacks
{

namespace
{
    constexpr int pollMs = 20;
    constexpr size_t sendChunk = 64 * 1024;
    constexpr size_t largestReply = 1 << 20;
}

std::unique_ptr<juce::StreamingSocket> connectToLoopback (int port)
{
    auto socket = std::make_unique<juce::StreamingSocket>();
    return socket->connect ("127.0.0.1", port, 2000) ? std::move (socket) : nullptr;
}

bool sendAll (juce::StreamingSocket& socket, const void* data, size_t size, const std::atomic<bool>& stopping)
{
    const auto* bytes = static_cast<const char*> (data);

    for (size_t sent = 0; sent < size;)
    {
        if (stopping.load())
            return false;

        const auto ready = socket.waitUntilReady (false, pollMs);

        if (ready < 0)
            return false;

        if (ready == 0)
            continue;

        const auto n = sendWithoutSignal (socket, bytes + sent, (int) juce::jmin (sendChunk, size - sent));

        if (n <= 0)
            return false;

        sent += (size_t) n;
    }

    return true;
}

bool sendDocument (juce::StreamingSocket& socket, const juce::var& document, const std::atomic<bool>& stopping)
{
    const auto bytes = encodeBsonDocument (document);
    return sendAll (socket, bytes.data(), bytes.size(), stopping);
}

void drain (juce::StreamingSocket& socket, int waitMs, const std::atomic<bool>& stopping)
{
    char buffer[4096];

    for (int waited = 0; waited < waitMs && ! stopping.load();)
    {
        const auto ready = socket.waitUntilReady (true, pollMs);

        if (ready < 0)
            return;

        if (ready == 0)
        {
            waited += pollMs;
            continue;
        }

        if (socket.read (buffer, (int) sizeof (buffer), false) <= 0)
            return;
    }
}

std::vector<juce::uint8> readReplyFrame (juce::StreamingSocket& socket, int waitMs, const std::atomic<bool>& stopping)
{
    std::vector<juce::uint8> frame (4);
    size_t received = 0;

    for (int waited = 0; received < frame.size();)
    {
        if (waited >= waitMs || stopping.load())
            return {};

        const auto ready = socket.waitUntilReady (true, pollMs);

        if (ready < 0)
            return {};

        if (ready == 0)
        {
            waited += pollMs;
            continue;
        }

        const auto n = socket.read (frame.data() + received, (int) (frame.size() - received), false);

        if (n <= 0)
            return {};

        received += (size_t) n;

        if (received == 4)
        {
            const auto length = (size_t) juce::ByteOrder::littleEndianInt (frame.data());

            if (length < 5 || length > largestReply)
                return {};

            frame.resize (length);
        }
    }

    return frame;
}

void holdFor (int ms, const std::atomic<bool>& stopping)
{
    for (int waited = 0; waited < ms && ! stopping.load(); waited += pollMs)
        juce::Thread::sleep (pollMs);
}

} // namespace torvo::attacks
