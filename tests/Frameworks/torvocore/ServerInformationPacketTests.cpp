#include "ServerInformationSamples.h"
#include "TorvoCoreTestClasses.h"
#include <torvocore/ServerInformationPacket.h>

namespace
{

using torvo::ServerInformationPacket;

class ServerInformationPacketTest : public testing::Test
{
protected:
    void SetUp() override    { torvotest::registerTestClassesOnce(); }
};

/** A datagram with a correct header around any text. */
juce::MemoryBlock datagramOf (const juce::String& text)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out (block, false);
    out.write ("TVSI", 4);
    out.writeShort ((short) ServerInformationPacket::version);
    out.writeInt ((int) text.getNumBytesAsUTF8());
    out.write (text.toRawUTF8(), text.getNumBytesAsUTF8());
    out.flush();
    return block;
}

juce::MemoryBlock sampleDatagram()
{
    torvo::TorvoServerInformation information;
    torvotest::fillSampleInformation (information);
    juce::MemoryBlock datagram;
    EXPECT_TRUE (ServerInformationPacket::encode (information, datagram).wasOk());
    return datagram;
}

juce::MemoryBlock withByte (juce::MemoryBlock block, size_t index, juce::uint8 value)
{
    block[index] = (char) value;
    return block;
}

juce::String repeated (const juce::String& piece, int count)
{
    juce::String text;

    for (int i = 0; i < count; ++i)
        text << piece;

    return text;
}

juce::String stateText (const tav::Object& object)
{
    return object.saveState().toText (false);
}

//==============================================================================
TEST_F (ServerInformationPacketTest, ARecordTravelsWhole)
{
    torvo::TorvoServerInformation source;
    torvotest::fillSampleInformation (source);
    const auto datagram = sampleDatagram();

    torvo::TorvoServerInformation received;
    const auto decoded = ServerInformationPacket::decode (datagram.getData(), datagram.getSize(), received);
    ASSERT_TRUE (decoded.wasOk()) << decoded.getErrorMessage();
    EXPECT_EQ (stateText (received), stateText (source));
}

TEST_F (ServerInformationPacketTest, HostileDatagramsAreRefusedWithTheirReasonAndChangeNothing)
{
    const auto valid = sampleDatagram();
    const auto header = juce::MemoryBlock (valid.getData(), ServerInformationPacket::headerSize);
    auto oversized = datagramOf (repeated ("x", (int) ServerInformationPacket::maximumSize));
    auto lengthTooLong = valid;
    lengthTooLong[6] = (char) (juce::uint8) (lengthTooLong[6] + 1);

    juce::String manyAdapters = "TorvoServerInformation { networkAdapters = [ " + repeated ("{}, ", 101) + "] }";
    juce::String deepLists = "TorvoServerInformation { headerText = " + repeated ("[", 300) + repeated ("]", 300) + " }";

    const struct Case
    {
        const char* name;
        juce::MemoryBlock datagram;
        const char* reason;
    } cases[] = {
        { "empty",                 {},                                            "shorter than its header" },
        { "header cut short",      juce::MemoryBlock (valid.getData(), 9),        "shorter than its header" },
        { "too long",              oversized,                                     "too long" },
        { "wrong magic",           withByte (valid, 0, 'X'),                      "wrong magic" },
        { "later version",         withByte (valid, 4, 2),                        "version 2 is not understood" },
        { "length beyond the end", lengthTooLong,                                 "the header announces" },
        { "header without text",   header,                                        "the header announces" },
        { "zero byte",             withByte (valid, 20, 0),                       "zero byte" },
        { "broken UTF-8",          withByte (valid, 20, 0xff),                    "not valid UTF-8" },
        { "unclosed map",          datagramOf ("TorvoServerInformation {"),       "status datagram:" },
        { "a list",                datagramOf ("[1, 2]"),                         "holds a list" },
        { "a word",                datagramOf ("hello"),                          "holds a text" },
        { "another class",         datagramOf ("TorvoBootConfiguration { }"),     "\"TorvoBootConfiguration\" map" },
        { "untagged map",          datagramOf ("{ headerText = a }"),             "\"\" map" },
        { "101 adapters",          datagramOf (manyAdapters),                     "networkAdapters holds 101 elements" },
        { "101 devices",           datagramOf ("TorvoServerInformation { devices = [ " + repeated ("{}, ", 101) + "] }"),
                                                                                  "devices holds 101 elements" },
        { "nesting beyond bounds", datagramOf (deepLists),                        "status datagram:" },
        { "unknown member",        datagramOf ("TorvoServerInformation { surprise = 1 }"), "surprise" },
        { "unknown element class", datagramOf ("TorvoServerInformation { devices = [ Program {} ] }"), "status datagram:" },
        { "foreign element class", datagramOf ("TorvoServerInformation { devices = [ NetworkAdapter {} ] }"), "status datagram:" },
        { "list for a text",       datagramOf ("TorvoServerInformation { headerText = [] }"), "status datagram:" },
        { "output state too big",  datagramOf ("TorvoServerInformation { outputState = 2147483648 }"), "does not fit 32 bits" },
        { "output state a word",   datagramOf ("TorvoServerInformation { outputState = two }"), "expected a whole number" },
        { "memory below zero",     datagramOf ("TorvoServerInformation { systemMemory = { used = -1 } }"), "status datagram:" },
    };

    for (auto& c : cases)
    {
        torvo::TorvoServerInformation target;
        torvotest::fillSampleInformation (target);
        const auto before = stateText (target);

        const auto decoded = ServerInformationPacket::decode (c.datagram.getData(), c.datagram.getSize(), target);

        EXPECT_TRUE (decoded.failed()) << c.name;
        EXPECT_TRUE (decoded.getErrorMessage().contains (c.reason)) << c.name << ": " << decoded.getErrorMessage();
        EXPECT_EQ (stateText (target), before) << c.name;
    }
}

TEST_F (ServerInformationPacketTest, ALongTextThatFitsADatagramIsAccepted)
{
    const auto datagram = datagramOf ("TorvoServerInformation { projectPath = \"" + repeated ("p", 60000) + "\" }");

    torvo::TorvoServerInformation received;
    const auto decoded = ServerInformationPacket::decode (datagram.getData(), datagram.getSize(), received);
    ASSERT_TRUE (decoded.wasOk()) << decoded.getErrorMessage();
    EXPECT_EQ (received.projectPath.get().length(), 60000);
}

TEST_F (ServerInformationPacketTest, RandomlyDamagedDatagramsNeverHarmTheReceiver)
{
    const auto valid = sampleDatagram();
    juce::Random random (11);
    int accepted = 0;

    for (int round = 0; round < 3000; ++round)
    {
        auto damaged = valid;
        const auto cut = random.nextInt ((int) damaged.getSize() + 1);

        for (int flips = 1 + random.nextInt (4); flips > 0; --flips)
            damaged[(size_t) random.nextInt ((int) damaged.getSize())] = (char) random.nextInt (256);

        torvo::TorvoServerInformation target;
        const auto size = round % 2 == 0 ? damaged.getSize() : (size_t) cut;

        if (ServerInformationPacket::decode (damaged.getData(), size, target).wasOk())
            ++accepted;
    }

    // Some damage falls on a figure's digits and still reads; most does not.
    EXPECT_LT (accepted, 3000);
}

TEST_F (ServerInformationPacketTest, TheEncoderRefusesRecordsTheDecoderWouldRefuse)
{
    torvo::TorvoServerInformation tooMany;

    for (int i = 0; i < 101; ++i)
        torvotest::addAdapter (tooMany, "eth" + juce::String (i), "10.0.0." + juce::String (i), true);

    juce::MemoryBlock datagram ("left over", 9);
    EXPECT_TRUE (ServerInformationPacket::encode (tooMany, datagram).getErrorMessage().contains ("101 network adapters"));
    EXPECT_EQ (datagram.getSize(), 0u);

    torvo::TorvoServerInformation tooLong;
    tooLong.headerText.set (repeated ("h", 70000), tav::ChangeCallback::none());
    EXPECT_TRUE (ServerInformationPacket::encode (tooLong, datagram).getErrorMessage().contains ("more than a datagram holds"));
    EXPECT_EQ (datagram.getSize(), 0u);
}

} // namespace

namespace
{

TEST_F (ServerInformationPacketTest, ADatagramEndsAtItsSizeWhateverLiesBehindIt)
{
    // A receiver reads into one buffer, so behind a short datagram lie the
    // bytes of a longer earlier one; texts of many-byte characters must not
    // reach into them.
    const auto text = juce::String::fromUTF8 ("\xc3\xa9t\xc3\xa9 \xe2\x80\x94 \xe6\x97\xa5\xe6\x9c\xac");
    auto datagram = datagramOf ("TorvoServerInformation { headerText = \"" + text + "\" }");
    const auto size = datagram.getSize();
    datagram.append ("}}}} trailing bytes of an earlier datagram", 42);

    torvo::TorvoServerInformation received;
    const auto decoded = ServerInformationPacket::decode (datagram.getData(), size, received);
    ASSERT_TRUE (decoded.wasOk()) << decoded.getErrorMessage();
    EXPECT_EQ (received.headerText.get(), text);
}

} // namespace
