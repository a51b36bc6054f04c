#include "AmbrelTestSupport.h"
#include <protocol/GradingProtocol.h>
#include <cstring>
#include <limits>
#include <tuple>

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

//==============================================================================
namespace
{
    const auto notANumber = std::numeric_limits<double>::quiet_NaN();
    const auto infinity = std::numeric_limits<double>::infinity();

    juce::var documentValue()     { return makeDocument ({ { "x", 1 } }); }
    juce::var arrayValue()        { return juce::Array<juce::var> { 1, 2 }; }
}

TEST_F (GradingProtocolTest, ErrorTextsNameTheKindOfValuesThatAreNotText)
{
    const std::vector<std::tuple<const char*, juce::var, juce::String>> commands {
        { "document", documentValue(), "(document)" },
        { "array", arrayValue(), "(array)" },
        { "binary", binary (4), "(binary)" },
        { "NaN", notANumber, "(double NaN)" },
        { "infinity", infinity, "(double inf)" },
        { "minus infinity", -infinity, "(double -inf)" },
        { "double", 2.5, "2.5" },
        { "int32", 5, "5" },
        { "int64", (juce::int64) 1 << 40, "1099511627776" },
        { "bool", true, "1" },
    };

    for (auto& [kind, value, text] : commands)
    {
        torvo::GradingSession session;
        session.handshaken = true;
        EXPECT_EQ (toJson (send (makeDocument ({ { "command", value } }), session)), errorJson (3, "Unsupported command: " + text)) << kind;
        EXPECT_EQ (toJson (send (makeDocument ({ { "command", "setCDL" }, { "protocol", value } }), session)), errorJson (2, "Unknown protocol: " + text)) << kind;

        const auto lut = makeDocument ({ { "command", "setLUT" }, { "protocol", "grading" }, { "size", 2 }, { "dataType", value }, { "data", binary (128) } });
        EXPECT_EQ (toJson (send (lut, session)), errorJson (5, "Unsupported LUT dataType: " + text + " (expected float32 or uint16)")) << kind;

        if (! value.isBool())
        {
            torvo::GradingSession fresh;
            EXPECT_EQ (toJson (send (makeDocument ({ { "command", "hello" }, { "version", value } }), fresh)),
                       errorJson (1, "Unsupported handshake version: " + text)) << kind;
        }
    }
}

TEST_F (GradingProtocolTest, HelloVersionsBeyond32BitsDoNotWrapToOne)
{
    const std::vector<std::pair<juce::var, bool>> versions {
        { (juce::int64) 4294967297LL, false },
        { "4294967297", false },
        { "-2147483648", false },
        { "-4294967295", false },
        { 1.0, true },
        { 1, true },
        { " 1.9", true },
    };

    for (auto& [version, accepted] : versions)
    {
        torvo::GradingSession session;
        const auto reply = send (makeDocument ({ { "command", "hello" }, { "version", version } }), session);
        EXPECT_EQ (reply.getProperty ("result", {}).toString() == "ok", accepted) << version.toString();
        EXPECT_EQ (session.closeAfterReply, ! accepted) << version.toString();
    }
}

TEST_F (GradingProtocolTest, LutSizesThatDoNotFit32BitsAreRefusedAsTooSmallOrTooLarge)
{
    const auto tooSmall = errorJson (5, "Invalid LUT size: -2147483648");
    const auto tooLarge = errorJson (5, "uint16 LUT size mismatch: got 6, expected 59421121802687904902119686138");
    const auto two63 = 9223372036854775807.0;

    const std::vector<std::pair<juce::var, juce::String>> sizes {
        { notANumber, errorJson (5, "Invalid LUT size: 0") },
        { -infinity, tooSmall },
        { -1e300, tooSmall },
        { infinity, tooLarge },
        { 1e300, tooLarge },
        { 2147483648.0, tooLarge },
        { 4294967313.0, tooLarge },
        { two63, tooLarge },
        { (juce::int64) 2147483648LL, tooLarge },
        { (juce::int64) 4294967313LL, tooLarge },
        { std::numeric_limits<juce::int64>::max(), tooLarge },
        { std::numeric_limits<juce::int64>::min(), tooSmall },
        { "4294967313", tooLarge },
        { "-2147483648", tooSmall },
        { "-99999999999", tooSmall },
    };

    for (auto& [size, expected] : sizes)
    {
        torvo::GradingSession session;
        session.handshaken = true;
        const auto request = makeDocument ({ { "command", "setLUT" }, { "protocol", "grading" }, { "channels", strings ({ "A" }) },
                                             { "size", size }, { "dataType", "uint16" }, { "data", binary (6) } });
        EXPECT_EQ (toJson (send (request, session)), expected) << juce::String ((double) size) << (size.isString() ? " as text" : "");
    }
}

TEST_F (GradingProtocolTest, LutSizesOfEveryNumberKindAcceptTheCube)
{
    for (const auto& size : { juce::var (17), juce::var ((juce::int64) 17), juce::var (17.0), juce::var (17.9), juce::var ("17") })
    {
        torvo::GradingSession session;
        session.handshaken = true;
        const auto request = makeDocument ({ { "command", "setLUT" }, { "protocol", "grading" }, { "channels", strings ({ "A" }) },
                                             { "size", size }, { "dataType", "uint16" }, { "data", binary (29478) } });
        EXPECT_EQ (toJson (send (request, session)), ok) << size.toString();
    }
}

TEST_F (GradingProtocolTest, CdlNumbersInTextWithHugeExponentsReadAsInfinityOrZero)
{
    const std::vector<std::pair<const char*, double>> texts {
        { "1e99999999999", infinity },
        { "-1E+0000099999999999", -infinity },
        { "1e-99999999999", 0.0 },
        { "2.5e1", 25.0 },
        { "0.5", 0.5 },
    };

    for (auto& [text, expected] : texts)
    {
        torvo::GradingSession session;
        session.handshaken = true;
        const auto request = makeDocument ({ { "command", "setCDL" }, { "protocol", "grading" }, { "channels", strings ({ "A" }) },
                                             { "slope", makeDocument ({ { "red", text } }) }, { "saturation", text } });
        EXPECT_EQ (toJson (send (request, session)), ok) << text;

        torvo::CdlValues cdl;
        juce::uint64 seen = 0;
        ASSERT_TRUE (device->readCdlIfChanged (*channelA, seen, cdl));
        EXPECT_EQ (cdl.saturation, expected) << text;
        EXPECT_EQ (cdl.slope[0], expected) << text;
    }
}

TEST_F (GradingProtocolTest, ChannelsNamedMoreThanOnceAreWrittenAndAnnouncedOnce)
{
    RecordingListener listener (*device);
    torvo::GradingSession session;
    session.handshaken = true;

    // As many repeats as one request frame may hold.
    juce::Array<juce::var> names;

    for (int i = 0; i < 1000; ++i)
        names.add (i % 2 == 0 ? "B" : "A");

    const auto lut = makeDocument ({ { "command", "setLUT" }, { "protocol", "grading" }, { "channels", names },
                                     { "size", 2 }, { "dataType", "uint16" }, { "data", binary (48) } });
    EXPECT_EQ (toJson (send (lut, session)), ok);

    const auto cdl = makeDocument ({ { "command", "setCDL" }, { "protocol", "grading" }, { "channels", names } });
    EXPECT_EQ (toJson (send (cdl, session)), ok);

    EXPECT_EQ (channelA->lutVersion, 1u);
    EXPECT_EQ (channelB->lutVersion, 1u);
    EXPECT_EQ (channelA->cdlVersion, 1u);
    EXPECT_EQ (listener.getEvents(), juce::StringArray ({ "LUT B: AmbrelLutInfo {size=2, dataType=\"uint16\"}",
                                                          "LUT A: AmbrelLutInfo {size=2, dataType=\"uint16\"}",
                                                          "CDL B: AmbrelCdlData {slope={x=1, y=1, z=1, w=1}, offset={x=0, y=0, z=0, w=0}, power={x=1, y=1, z=1, w=1}, saturation=1}",
                                                          "CDL A: AmbrelCdlData {slope={x=1, y=1, z=1, w=1}, offset={x=0, y=0, z=0, w=0}, power={x=1, y=1, z=1, w=1}, saturation=1}" }));

    const auto unknownAfterRepeats = makeDocument ({ { "command", "setCDL" }, { "protocol", "grading" }, { "channels", strings ({ "A", "A", "Z", "Y", "Z" }) } });
    EXPECT_EQ (toJson (send (unknownAfterRepeats, session)), errorJson (4, "Unknown channel: Z"));
    EXPECT_EQ (channelA->cdlVersion, 1u);
}
