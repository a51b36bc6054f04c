#include "attacks/HostileClients.h"
#include "attacks/AttackSockets.h"
#include "shapes/BsonShapes.h"
#include <GradingRequests.h>
#include <limits>

namespace torvo::attacks
{

namespace
{
    using Socket = std::unique_ptr<juce::StreamingSocket>;

    constexpr int pollMs = 50;
    constexpr int replyWaitMs = 3000;
    constexpr int holdMs = 500;

    juce::var withProperty (juce::var document, const char* name, const juce::var& value)
    {
        document.getDynamicObject()->setProperty (name, value);
        return document;
    }

    /** setLUT requests of a valid size-2 cube whose size element is v. */
    juce::var makeLutOfSize (const juce::var& size, const juce::StringArray& channels)
    {
        return withProperty (ambrel::makeSetLutRequest (channels, 2, "float32", juce::MemoryBlock (8 * 16, true)),
                             "size", size);
    }

    std::vector<juce::var> makeUnsafeNumberRequests (const juce::String& channel)
    {
        const auto nan = std::numeric_limits<double>::quiet_NaN();
        const auto inf = std::numeric_limits<double>::infinity();
        const juce::StringArray channels (channel);

        auto cdl = ambrel::makeSetCdlRequest (channels, {});
        auto* slope = new juce::DynamicObject();
        slope->setProperty ("red", nan);
        slope->setProperty ("green", inf);
        slope->setProperty ("blue", -1.0e308);
        cdl = withProperty (withProperty (cdl, "slope", juce::var (slope)), "saturation", nan);

        return { makeLutOfSize (nan, channels), makeLutOfSize (inf, channels), makeLutOfSize (-inf, channels),
                 makeLutOfSize (1.0e300, channels), makeLutOfSize ((juce::int64) 0x100000011, channels),
                 makeLutOfSize ((juce::int64) std::numeric_limits<juce::int64>::min(), channels), cdl };
    }

    /** A frame that declares length bytes and holds only its first few. */
    std::vector<juce::uint8> makeFrameStart (juce::uint32 length, size_t numBytes)
    {
        juce::Random random (length);
        std::vector<juce::uint8> bytes (numBytes);

        for (auto& b : bytes)
            b = (juce::uint8) random.nextInt (256);

        for (size_t i = 0; i < 4; ++i)
            bytes[i] = (juce::uint8) (length >> (8 * i));

        return bytes;
    }
}

//==============================================================================
std::vector<Attack> allAttacks()
{
    return { Attack::manyNames, Attack::nullArrays, Attack::idleConnections, Attack::stalledFrame,
             Attack::garbageAndResets, Attack::repeatedChannel, Attack::unsafeNumbers };
}

juce::String getAttackName (Attack attack)
{
    switch (attack)
    {
        case Attack::manyNames:         return "many names";
        case Attack::nullArrays:        return "null arrays";
        case Attack::idleConnections:   return "idle connections";
        case Attack::stalledFrame:      return "stalled frame";
        case Attack::garbageAndResets:  return "garbage and resets";
        case Attack::repeatedChannel:   return "repeated channel";
        case Attack::unsafeNumbers:     return "unsafe numbers";
    }

    return {};
}

//==============================================================================
HostileClients::HostileClients (const AttackSettings& attackSettings, const std::vector<Attack>& attacks)
    : settings (attackSettings),
      manyNamesFrame (shapes::makeBsonShape (shapes::BsonShape::distinctNames, -1, 2 * 1024 * 1024)),
      nullArrayFrame (shapes::makeBsonShape (shapes::BsonShape::arrayItems, -1,
                                             settings.nullArrayFrameBytes > 0 ? settings.nullArrayFrameBytes : 2 * 1024 * 1024))
{
    for (auto attack : attacks)
    {
        const auto numAttackers = attack == Attack::nullArrays ? juce::jmax (1, settings.nullArrayClients) : 1;

        for (int i = 0; i < numAttackers; ++i)
            threads.emplace_back ([this, attack] { play (attack); });
    }
}

HostileClients::~HostileClients()
{
    stop();
}

void HostileClients::stop()
{
    stopping = true;

    for (auto& thread : threads)
        if (thread.joinable())
            thread.join();
}

void HostileClients::play (Attack attack)
{
    while (! stopping.load())
    {
        playOnce (attack);
        ++rounds;
    }
}

void HostileClients::playOnce (Attack attack)
{
    if (attack == Attack::idleConnections)
    {
        // Past the limit: the server must close the extra ones at once and
        // keep its listener.
        std::vector<Socket> idle;

        for (int i = 0; i < settings.clientLimit + 8 && ! stopping.load(); ++i)
            if (auto socket = connectToLoopback (settings.port))
                idle.push_back (std::move (socket));

        holdFor (holdMs, stopping);
        return;
    }

    const auto socket = connectToLoopback (settings.port);

    if (socket == nullptr)
    {
        holdFor (pollMs, stopping);
        return;
    }

    switch (attack)
    {
        case Attack::manyNames:
            sendAll (*socket, manyNamesFrame.data(), manyNamesFrame.size(), stopping);
            drain (*socket, replyWaitMs, stopping);
            break;

        case Attack::nullArrays:
            sendAll (*socket, nullArrayFrame.data(), nullArrayFrame.size(), stopping);
            drain (*socket, replyWaitMs, stopping);
            break;

        case Attack::stalledFrame:
        {
            const auto start = makeFrameStart (0x4000000, 64);
            sendAll (*socket, start.data(), start.size(), stopping);
            holdFor (holdMs, stopping);
            break;
        }

        case Attack::garbageAndResets:
        {
            // A hello, then a frame that ends with the connection.
            sendDocument (*socket, ambrel::makeHelloRequest(), stopping);
            readReplyFrame (*socket, replyWaitMs, stopping);
            const auto start = makeFrameStart (4096, 1000);
            sendAll (*socket, start.data(), start.size(), stopping);

            // Bytes whose length field no frame may have.
            if (const auto second = connectToLoopback (settings.port))
            {
                const auto garbage = makeFrameStart (0xffffffffu, 200);
                sendAll (*second, garbage.data(), garbage.size(), stopping);
                drain (*second, replyWaitMs, stopping);
            }

            break;
        }

        case Attack::repeatedChannel:
        {
            juce::StringArray names;

            for (int i = 0; i < 1000; ++i)
                names.add (settings.channel);

            sendDocument (*socket, ambrel::makeHelloRequest(), stopping);
            readReplyFrame (*socket, replyWaitMs, stopping);
            sendDocument (*socket, makeLutOfSize (2, names), stopping);
            readReplyFrame (*socket, replyWaitMs, stopping);
            break;
        }

        case Attack::unsafeNumbers:
        {
            // A hello whose version is NaN is refused and closes its connection.
            if (const auto refused = connectToLoopback (settings.port))
            {
                sendDocument (*refused, withProperty (ambrel::makeHelloRequest(), "version",
                                                      std::numeric_limits<double>::quiet_NaN()), stopping);
                drain (*refused, replyWaitMs, stopping);
            }

            sendDocument (*socket, ambrel::makeHelloRequest(), stopping);
            readReplyFrame (*socket, replyWaitMs, stopping);

            for (auto& request : makeUnsafeNumberRequests (settings.channel))
            {
                sendDocument (*socket, request, stopping);
                readReplyFrame (*socket, replyWaitMs, stopping);
            }

            break;
        }

        case Attack::idleConnections:
            break;
    }
}

} // namespace torvo::attacks
