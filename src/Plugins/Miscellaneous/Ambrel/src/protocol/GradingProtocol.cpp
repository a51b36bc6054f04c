#include "bson/BsonCodec.h"
#include "protocol/GradingProtocol.h"
#include "protocol/RequestValues.h"

namespace torvo
{

std::vector<juce::uint8> handleGradingMessage (AmbrelDevice& device, const void* frame, size_t frameLength,
                                               GradingSession& session)
{
    juce::var request;

    if (decodeBsonDocument (frame, frameLength, request).failed())
        return {};

    const auto command = describeRequestValue (request.getProperty ("command", {}));

    if (command == "hello")
        return handleHello (device, request, session);

    if (command == "ping")
        return makeOkReply();

    if (command != "setCDL" && command != "setLUT")
        return makeErrorReply (unsupportedCommand, "Unsupported command: " + command);

    if (! session.handshaken)
        return makeErrorReply (handshakeRequired, "Handshake required: send `hello` before grading commands");

    const auto protocol = describeRequestValue (request.getProperty ("protocol", {}));

    if (protocol != "grading")
        return makeErrorReply (unknownProtocol, "Unknown protocol: " + protocol);

    const auto channels = parseChannelList (request);
    return command == "setCDL" ? handleSetCdl (device, request, channels)
                               : handleSetLut (device, request, channels);
}

std::vector<juce::uint8> makeErrorReply (int code, const juce::String& message)
{
    auto* error = new juce::DynamicObject();
    error->setProperty ("code", code);
    error->setProperty ("message", message);

    auto* reply = new juce::DynamicObject();
    reply->setProperty ("error", juce::var (error));
    return encodeBsonDocument (juce::var (reply));
}

std::vector<juce::uint8> makeOkReply()
{
    auto* reply = new juce::DynamicObject();
    reply->setProperty ("result", "ok");
    return encodeBsonDocument (juce::var (reply));
}

juce::StringArray parseChannelList (const juce::var& request)
{
    juce::StringArray channels;

    if (const auto* items = request.getProperty ("channels", {}).getArray())
        for (auto& item : *items)
            if (item.isString())
                channels.add (item.toString());

    if (channels.isEmpty())
        channels.add ("default");

    return channels;
}

std::array<double, 3> readRgbTriple (const juce::var& request, const juce::Identifier& elementName, double defaultValue)
{
    const auto element = request.getProperty (elementName, {});

    if (element.getDynamicObject() == nullptr)
        return { defaultValue, defaultValue, defaultValue };

    return { readRequestDouble (element.getProperty ("red", defaultValue)),
             readRequestDouble (element.getProperty ("green", defaultValue)),
             readRequestDouble (element.getProperty ("blue", defaultValue)) };
}

} // namespace torvo
