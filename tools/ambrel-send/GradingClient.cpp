#include "GradingClient.h"
#include <bson/BsonCodec.h>

namespace ambrel
{

namespace
{
    constexpr juce::int32 maximumFrameLength = 0x4000000;
}

bool GradingClient::connect (const juce::String& host, int port, int timeoutMs, juce::String& errorText)
{
    if (socket.connect (host, port, timeoutMs))
        return true;

    errorText = "Cannot connect to " + host + ":" + juce::String (port);
    return false;
}

bool GradingClient::request (const juce::var& document, juce::var& reply, juce::String& errorText)
{
    const auto bytes = torvo::encodeBsonDocument (document);
    return sendBytes (bytes.data(), bytes.size(), errorText) && readReply (reply, errorText);
}

bool GradingClient::sendBytes (const void* data, size_t size, juce::String& errorText)
{
    const auto* bytes = static_cast<const char*> (data);

    while (size > 0)
    {
        const auto n = socket.write (bytes, (int) std::min (size, (size_t) 1 << 30));

        if (n <= 0)
        {
            errorText = "The connection was closed while sending";
            return false;
        }

        bytes += n;
        size -= (size_t) n;
    }

    return true;
}

bool GradingClient::readReply (juce::var& reply, juce::String& errorText)
{
    juce::uint8 lengthBytes[4];

    if (! readExact (lengthBytes, 4))
    {
        errorText = "The connection was closed without a reply";
        return false;
    }

    const auto length = (juce::int32) juce::ByteOrder::littleEndianInt (lengthBytes);

    if (length < 5 || length > maximumFrameLength)
    {
        errorText = "Invalid reply length " + juce::String (length);
        return false;
    }

    frame.resize ((size_t) length);
    std::memcpy (frame.data(), lengthBytes, 4);

    if (! readExact (frame.data() + 4, (size_t) length - 4))
    {
        errorText = "The connection was closed in the middle of a reply";
        return false;
    }

    // A hello reply lists every channel in use, far more elements than any
    // request holds, so replies are read with limits of their own.
    const auto r = torvo::decodeBsonDocument (frame.data(), frame.size(), reply, torvo::BsonLimits::forReplies());

    if (r.failed())
        errorText = "Invalid reply: " + r.getErrorMessage();

    return r.wasOk();
}

bool GradingClient::readExact (void* buffer, size_t count)
{
    auto* bytes = static_cast<char*> (buffer);

    while (count > 0)
    {
        const auto n = socket.read (bytes, (int) count, true);

        if (n <= 0)
            return false;

        bytes += n;
        count -= (size_t) n;
    }

    return true;
}

} // namespace ambrel
