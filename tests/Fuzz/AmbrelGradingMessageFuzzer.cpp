#include "device/AmbrelDevice.h"
#include "protocol/GradingProtocol.h"
#include "protocol/GradingSession.h"

#include <cstdio>
#include <cstdlib>

namespace
{

void check (bool condition, const char* what)
{
    if (! condition)
    {
        std::fprintf (stderr, "ambrel_grading_message_fuzzer: %s\n", what);
        std::abort();
    }
}

/** A device with two channels in use, as the protocol finds it in a host. */
torvo::AmbrelDevice& getDevice()
{
    static torvo::AmbrelDevice device;
    static const bool channelsAcquired = []
    {
        juce::String a ("A"), defaultName ("default");
        device.acquireChannel (a);
        device.acquireChannel (defaultName);
        return true;
    }();

    juce::ignoreUnused (channelsAcquired);
    return device;
}

} // namespace

// Feeds arbitrary frames to the protocol handler, first on a fresh session
// and then on a handshaken one, so that the grading commands are reached.
// Besides crashes and sanitizer faults it checks the handler's promises: an
// answer is one whole document, and a session stays counted once counted.
extern "C" int LLVMFuzzerTestOneInput (const juce::uint8* data, size_t size)
{
    auto& device = getDevice();

    for (const bool handshaken : { false, true })
    {
        torvo::GradingSession session;
        session.handshaken = handshaken;
        const auto reply = torvo::handleGradingMessage (device, data, size, session);

        if (! reply.empty())
            check (reply.size() >= 5 && juce::ByteOrder::littleEndianInt (reply.data()) == reply.size(),
                   "a reply is not one whole document");

        check (! session.counted || session.handshaken, "a counted session is not handshaken");

        // Give the session's share back, as the connection's teardown does.
        device.removeSessionShare (session);
    }

    return 0;
}
