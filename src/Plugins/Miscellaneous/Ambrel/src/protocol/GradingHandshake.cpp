#include "bson/BsonCodec.h"
#include "device/AmbrelDevice.h"
#include "protocol/GradingProtocol.h"
#include "protocol/RequestValues.h"

namespace torvo
{

namespace
{
    juce::var makeStringArray (std::initializer_list<const char*> texts)
    {
        juce::Array<juce::var> items;

        for (auto* text : texts)
            items.add (juce::String (text));

        return items;
    }

    juce::var makeChannelDocument (const juce::String& name)
    {
        auto* channel = new juce::DynamicObject();
        channel->setProperty ("channel", name);
        channel->setProperty ("supportedCommands", makeStringArray ({ "setCDL", "setLUT" }));
        channel->setProperty ("lutDataTypes", makeStringArray ({ "float32", "uint16" }));
        channel->setProperty ("lutSizes", juce::Array<juce::var> { 17, 33, 65 });
        return juce::var (channel);
    }

    std::vector<juce::uint8> makeHelloReply (const juce::StringArray& announced)
    {
        auto* capabilities = new juce::DynamicObject();
        capabilities->setProperty ("supportsBatchedChannelUpdates", true);

        juce::Array<juce::var> channels;

        for (auto& name : announced)
            channels.add (makeChannelDocument (name));

        auto* protocol = new juce::DynamicObject();
        protocol->setProperty ("protocol", "grading");
        protocol->setProperty ("version", "1.0");
        protocol->setProperty ("capabilities", juce::var (capabilities));
        protocol->setProperty ("channels", channels);

        auto* reply = new juce::DynamicObject();
        reply->setProperty ("result", "ok");
        reply->setProperty ("version", "1.0");
        reply->setProperty ("protocols", juce::Array<juce::var> { juce::var (protocol) });
        return encodeBsonDocument (juce::var (reply));
    }
}

std::vector<juce::uint8> handleHello (AmbrelDevice& device, const juce::var& request, GradingSession& session)
{
    const auto version = describeRequestValue (request.getProperty ("version", "1.0"));

    if (parseLeadingInt32 (version) != 1)
    {
        session.closeAfterReply = true;
        return makeErrorReply (unsupportedHandshakeVersion, "Unsupported handshake version: " + version);
    }

    session.handshaken = true;
    const auto announced = device.pickUpChannelsInUse (session);
    device.sendSessionNotification ("connected from " + session.peer);
    return makeHelloReply (announced);
}

} // namespace torvo
