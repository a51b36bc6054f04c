#include "ftd2xx/MpsseEngine.h"

#include <gmock/gmock.h>

#include <sstream>

using namespace ftd2xxsim;
using testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

namespace
{

Bytes parseHex (const std::string& text)
{
    Bytes bytes;
    std::istringstream in (text);
    unsigned value = 0;

    while (in >> std::hex >> value)
        bytes.push_back (static_cast<std::uint8_t> (value));

    return bytes;
}

/** A chip on the SPI pins that is selected while ADBUS3 is low: it collects the bytes clocked in and answers scripted bytes. */
class RecordingSlave : public SpiSlave
{
public:
    void pinsChanged (std::uint8_t levels) override
    {
        pinHistory.push_back (levels);
        selected = (levels & 0x08) == 0;
    }

    bool clockBit (bool dataOut) override
    {
        if (! selected)
            return true;

        incoming = static_cast<std::uint8_t> ((incoming << 1) | (dataOut ? 1 : 0));
        const bool reply = (answer >> (7 - bitIndex)) & 1;

        if (++bitIndex == 8)
        {
            received.push_back (incoming);
            bitIndex = 0;
        }

        return reply;
    }

    std::uint8_t answer = 0;
    Bytes received;
    std::vector<std::uint8_t> pinHistory;

private:
    bool selected = false;
    std::uint8_t incoming = 0;
    int bitIndex = 0;
};

class Engine : public testing::Test
{
protected:
    /** Writes each text as one host write and returns what the engine queued. */
    Bytes run (const std::vector<std::string>& writes)
    {
        for (const auto& text : writes)
        {
            const auto bytes = parseHex (text);
            engine.write (bytes.data(), bytes.size());
        }

        return Bytes (replies.begin(), replies.end());
    }

    FTSimStatistics stats {};
    std::deque<std::uint8_t> replies;
    MpsseEngine engine { stats, replies };
};

struct ReplyCase
{
    const char* name;
    std::vector<std::string> writes;
    Bytes replies;
};

class EngineReplies : public Engine, public testing::WithParamInterface<ReplyCase> {};

TEST_P (EngineReplies, AnswerTheHostsCommands)
{
    EXPECT_EQ (run (GetParam().writes), GetParam().replies);
}

INSTANTIATE_TEST_SUITE_P (Commands, EngineReplies, testing::Values (
    ReplyCase { "BadOpcodeIsEchoed", { "AA" }, { 0xFA, 0xAA } },
    ReplyCase { "EchoFollowsEarlierCommands", { "80 00 0B AB" }, { 0xFA, 0xAB } },
    ReplyCase { "LoopbackReturnsTheSentBytes", { "84 31 01 00", "A5 3C" }, { 0xA5, 0x3C } },
    ReplyCase { "BitsLandRightJustified", { "84 33 03 A0" }, { 0x0A } },
    ReplyCase { "LoopbackOffReadsTheFloatingInput", { "84 85 31 00 00 12" }, { 0xFF } },
    ReplyCase { "InputPinsFloatHigh", { "80 88 BB 81" }, { 0xCC } },
    ReplyCase { "CommandSplitAcrossWrites", { "80", "0C", "0B 81" }, { 0xFC } },
    ReplyCase { "ReadWithoutSlaveFloatsHigh", { "20 02 00 87" }, { 0xFF, 0xFF, 0xFF } },
    ReplyCase { "SettingsAnswerNothing", { "8A 8B 86 05 00 84 85 87 8C 8D 96 97" }, {} }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (Engine, ClocksBytesThroughTheSelectedSlaveMsbFirst)
{
    RecordingSlave slave;
    slave.answer = 0x7C;
    engine.attach (&slave);

    EXPECT_THAT (run ({ "80 00 0B", "11 01 00", "12 34", "20 00 00 87" }), ElementsAre (0x7C));
    EXPECT_THAT (slave.received, ElementsAre (0x12, 0x34, 0x00));
}

TEST_F (Engine, ShiftsLsbFirstWhenTheOpcodeAsks)
{
    RecordingSlave slave;
    engine.attach (&slave);
    run ({ "80 00 0B", "19 00 00 01" });
    EXPECT_THAT (slave.received, ElementsAre (0x80));
}

TEST_F (Engine, TellsTheSlaveThePinLevelsWithUndrivenPinsHigh)
{
    RecordingSlave slave;
    engine.attach (&slave);
    run ({ "80 08 BB", "80 88 BB" });
    EXPECT_THAT (slave.pinHistory, ElementsAre (0xFF, 0x4C, 0xCC));
}

TEST_F (Engine, CountsClockTimeAtTheProgrammedRate)
{
    run ({ "8B 86 05 00", "11 01 00 AA 55" });
    EXPECT_EQ (stats.spiBits, 16u);
    EXPECT_NEAR (stats.spiSeconds, 16e-6, 1e-12);
    EXPECT_DOUBLE_EQ (engine.clockHz(), 1'000'000.0);

    run ({ "8A 86 00 00" });
    EXPECT_DOUBLE_EQ (engine.clockHz(), 30'000'000.0);
}

TEST_F (Engine, ResetDropsAHalfWrittenCommandAndReleasesThePins)
{
    run ({ "80 00 0B", "80 00" });
    engine.reset();
    EXPECT_EQ (engine.lowPinLevels(), 0xFF);
    EXPECT_THAT (run ({ "81" }), ElementsAre (0xFF));
}

} // namespace
