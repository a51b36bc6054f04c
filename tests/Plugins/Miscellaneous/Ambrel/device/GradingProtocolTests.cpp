#include "AmbrelTestSupport.h"
#include <GradingProtocol.h>
#include <cstring>

namespace
{
    juce::var binary (size_t size)
    {
        return juce::var (juce::MemoryBlock (size, true));
    }

    juce::var strings (std::initializer_list<const char*> items)
    {
        juce::Array<juce::var> array;

        for (auto* item : items)
            array.add (juce::String (item));

        return array;
    }

    struct ProtocolCase
    {
        const char* name;
        bool handshaken;
        juce::var request;
        const char* expectedReply;   // compact JSON
    };

    juce::String toJson (const juce::var& value)
    {
        return juce::JSON::toString (value, true);
    }

    const char* ok = R"({"result": "ok"})";

    juce::String errorJson (int code, const juce::String& message)
    {
        return toJson (makeDocument ({ { "error", makeDocument ({ { "code", code }, { "message", message } }) } }));
    }

    class GradingProtocolTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            registerAmbrelClassesOnce();
            device = std::make_unique<torvo::AmbrelDevice>();
            juce::String a ("A"), b ("B");
            channelA = device->acquireChannel (a);
            channelB = device->acquireChannel (b);
        }

        juce::var send (const juce::var& request, torvo::GradingSession& session)
        {
            const auto frame = encodeFrame (request);
            return decodeReply (torvo::handleGradingMessage (*device, frame.data(), frame.size(), session));
        }

        std::unique_ptr<torvo::AmbrelDevice> device;
        std::shared_ptr<torvo::ChannelState> channelA, channelB;
    };
}

TEST_F (GradingProtocolTest, RepliesToEachRequestAsSpecifiedForTheSessionState)
{
    const auto grading = [] (const char* command, std::initializer_list<std::pair<const char*, juce::var>> more)
    {
        auto request = makeDocument ({ { "command", command }, { "protocol", "grading" }, { "channels", strings ({ "A" }) } });

        for (auto& [name, value] : more)
            request.getDynamicObject()->setProperty (name, value);

        return request;
    };

    const std::vector<std::pair<ProtocolCase, juce::String>> cases {
        { { "ping before hello", false, makeDocument ({ { "command", "ping" } }), ok }, {} },
        { { "no command", false, makeDocument ({ { "x", 1 } }), nullptr }, errorJson (3, "Unsupported command: ") },
        { { "command in capitals", true, makeDocument ({ { "command", "SETCDL" } }), nullptr }, errorJson (3, "Unsupported command: SETCDL") },
        { { "unknown command before hello", false, makeDocument ({ { "command", "bye" } }), nullptr }, errorJson (3, "Unsupported command: bye") },
        { { "setCDL before hello", false, grading ("setCDL", {}), nullptr }, errorJson (100, "Handshake required: send `hello` before grading commands") },
        { { "hello version 2.0", false, makeDocument ({ { "command", "hello" }, { "version", "2.0" } }), nullptr }, errorJson (1, "Unsupported handshake version: 2.0") },
        { { "setCDL without protocol", true, makeDocument ({ { "command", "setCDL" } }), nullptr }, errorJson (2, "Unknown protocol: ") },
        { { "setCDL without channels", true, makeDocument ({ { "command", "setCDL" }, { "protocol", "grading" } }), nullptr }, errorJson (4, "Unknown channel: default") },
        { { "setCDL with one unknown channel", true, makeDocument ({ { "command", "setCDL" }, { "protocol", "grading" }, { "channels", strings ({ "A", "Z", "Y" }) } }), nullptr }, errorJson (4, "Unknown channel: Z") },
        { { "setCDL", true, grading ("setCDL", {}), ok }, {} },
        { { "setLUT size 1", true, grading ("setLUT", { { "size", 1 }, { "data", binary (16) } }), nullptr }, errorJson (5, "Invalid LUT size: 1") },
        { { "setLUT without data", true, grading ("setLUT", { { "size", 2 } }), nullptr }, errorJson (5, "Missing or non-binary LUT data") },
        { { "setLUT with text data", true, grading ("setLUT", { { "size", 2 }, { "data", "abc" } }), nullptr }, errorJson (5, "Missing or non-binary LUT data") },
        { { "setLUT uint16 17 exact", true, grading ("setLUT", { { "size", 17 }, { "dataType", "uint16" }, { "data", binary (29478) } }), ok }, {} },
        { { "setLUT uint16 17 short", true, grading ("setLUT", { { "size", 17 }, { "dataType", "uint16" }, { "data", binary (29477) } }), nullptr }, errorJson (5, "uint16 LUT size mismatch: got 29477, expected 29478") },
        { { "setLUT float32 33 with 12-byte entries", true, grading ("setLUT", { { "size", 33 }, { "data", binary (33 * 33 * 33 * 12) } }), nullptr }, errorJson (5, "float32 LUT size mismatch: got 431244, expected 574992") },
        { { "setLUT half", true, grading ("setLUT", { { "size", 2 }, { "dataType", "half" }, { "data", binary (128) } }), nullptr }, errorJson (5, "Unsupported LUT dataType: half (expected float32 or uint16)") },
        { { "setLUT size check before data", true, grading ("setLUT", { { "size", 0 }, { "dataType", "half" } }), nullptr }, errorJson (5, "Invalid LUT size: 0") },
        { { "setLUT huge cube does not wrap", true, grading ("setLUT", { { "size", 2000 }, { "data", binary (16) } }), nullptr }, errorJson (5, "float32 LUT size mismatch: got 16, expected 128000000000") },
        { { "setLUT cube beyond 64 bits", true, grading ("setLUT", { { "size", 2147483647 }, { "dataType", "uint16" }, { "data", binary (6) } }), nullptr },
          errorJson (5, "uint16 LUT size mismatch: got 6, expected 59421121802687904902119686138") },
        { { "setLUT length before channels", true, makeDocument ({ { "command", "setLUT" }, { "protocol", "grading" }, { "channels", strings ({ "Z" }) }, { "size", 2 }, { "data", binary (3) } }), nullptr }, errorJson (5, "float32 LUT size mismatch: got 3, expected 128") },
    };

    for (auto& [testCase, expectedError] : cases)
    {
        torvo::GradingSession session;
        session.handshaken = testCase.handshaken;
        const auto expected = testCase.expectedReply != nullptr ? juce::String (testCase.expectedReply) : expectedError;
        EXPECT_EQ (toJson (send (testCase.request, session)), expected) << testCase.name;
    }
}

TEST_F (GradingProtocolTest, AnInvalidFrameGetsNoReply)
{
    torvo::GradingSession session;
    const juce::uint8 garbage[] = { 9, 0, 0, 0, 0x10, 'a', 0, 1, 0 };
    EXPECT_TRUE (torvo::handleGradingMessage (*device, garbage, sizeof (garbage), session).empty());
}

TEST_F (GradingProtocolTest, HelloAnnouncesChannelsInUseInNameOrderAndCountsTheSessionOnce)
{
    torvo::GradingSession session;
    session.peer = "peer";
    const auto reply = send (makeDocument ({ { "command", "hello" } }), session);

    const auto* protocols = reply.getProperty ("protocols", {}).getArray();
    ASSERT_NE (protocols, nullptr);
    const auto protocol = protocols->getFirst();
    EXPECT_EQ (toJson (protocol.getProperty ("capabilities", {})), R"({"supportsBatchedChannelUpdates": true})");
    const auto channels = protocol.getProperty ("channels", {});
    ASSERT_EQ (channels.size(), 2);
    EXPECT_EQ (toJson (channels[0]), R"({"channel": "A", "supportedCommands": ["setCDL", "setLUT"], "lutDataTypes": ["float32", "uint16"], "lutSizes": [17, 33, 65]})");
    EXPECT_EQ (channels[1].getProperty ("channel", {}).toString(), "B");
    EXPECT_EQ (device->channelPickupState ("A"), torvo::AmbrelDevice::PickupState::PickedUp);

    device->releaseChannel ("B");
    const auto again = send (makeDocument ({ { "command", "hello" }, { "version", 1.5 } }), session);
    EXPECT_EQ (again["protocols"][0]["channels"].size(), 1);
    EXPECT_EQ (device->getHandshakenClientCount(), 1);
    EXPECT_EQ (device->channelPickupState ("B"), torvo::AmbrelDevice::PickupState::NotPickedUp);
}

TEST_F (GradingProtocolTest, RejectedHelloClosesWithoutChangingTheSession)
{
    torvo::GradingSession session;
    send (makeDocument ({ { "command", "hello" }, { "version", "2.0" } }), session);
    EXPECT_TRUE (session.closeAfterReply);
    EXPECT_FALSE (session.handshaken);
    EXPECT_EQ (device->getHandshakenClientCount(), 0);
}

TEST_F (GradingProtocolTest, SetCdlWritesEveryTargetAndNotifiesAfterTheLock)
{
    RecordingListener listener (*device);
    torvo::GradingSession session;
    session.handshaken = true;
    const auto request = makeDocument ({ { "command", "setCDL" }, { "protocol", "grading" }, { "channels", strings ({ "A", "B" }) },
                                         { "slope", makeDocument ({ { "red", 2 } }) }, { "offset", 7 }, { "saturation", "0.5" } });
    EXPECT_EQ (toJson (send (request, session)), ok);

    torvo::CdlValues cdl;
    juce::uint64 seen = 0;
    ASSERT_TRUE (device->readCdlIfChanged (*channelB, seen, cdl));
    EXPECT_FALSE (device->readCdlIfChanged (*channelB, seen, cdl));
    EXPECT_EQ (std::vector<double> (cdl.slope, cdl.slope + 3), (std::vector<double> { 2.0, 1.0, 1.0 }));
    EXPECT_EQ (std::vector<double> (cdl.offset, cdl.offset + 3), (std::vector<double> { 0.0, 0.0, 0.0 }));
    EXPECT_EQ (cdl.saturation, 0.5);
    EXPECT_FALSE (device->isLutActive (*channelA));

    EXPECT_EQ (listener.getEvents(), juce::StringArray ({ "CDL A: AmbrelCdlData {slope={x=2, y=1, z=1, w=1}, offset={x=0, y=0, z=0, w=0}, power={x=1, y=1, z=1, w=1}, saturation=0.5}",
                                                          "CDL B: AmbrelCdlData {slope={x=2, y=1, z=1, w=1}, offset={x=0, y=0, z=0, w=0}, power={x=1, y=1, z=1, w=1}, saturation=0.5}" }));
    EXPECT_EQ (listener.getDeliveriesUnderChannelLock(), 0);
}

TEST_F (GradingProtocolTest, SetLutStoresUint16EntriesAsFourFloats)
{
    RecordingListener listener (*device);
    torvo::GradingSession session;
    session.handshaken = true;
    juce::MemoryBlock data (8 * 6, true);
    const juce::uint16 first[] = { 65535, 0, 32768 };
    data.copyFrom (first, 0, sizeof (first));

    const auto request = makeDocument ({ { "command", "setLUT" }, { "protocol", "grading" }, { "channels", strings ({ "A" }) },
                                         { "size", 2 }, { "dataType", "uint16" }, { "data", data } });
    EXPECT_EQ (toJson (send (request, session)), ok);

    std::vector<juce::uint8> texels;
    juce::int32 size = 0;
    juce::uint64 seen = 0;
    ASSERT_TRUE (device->readLutIfChanged (*channelA, seen, texels, size));
    ASSERT_EQ (texels.size(), 8u * 16u);
    float texel[4];
    std::memcpy (texel, texels.data(), sizeof (texel));
    EXPECT_EQ (texel[0], 1.0f);
    EXPECT_EQ (texel[1], 0.0f);
    EXPECT_EQ (texel[2], 32768.0f / 65535.0f);
    EXPECT_EQ (texel[3], 1.0f);
    EXPECT_TRUE (device->isLutActive (*channelA));
    EXPECT_EQ (listener.getEvents(), juce::StringArray ({ "LUT A: AmbrelLutInfo {size=2, dataType=\"uint16\"}" }));
}
