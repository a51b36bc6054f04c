#include "EVE/BitmapImages.h"
#include "EVE/CoprocessorCommands.h"
#include "EveFixture.h"

#include <gmock/gmock.h>

using namespace vitrel;
using namespace vitrel::test;
using testing::ElementsAre;
using testing::ElementsAreArray;

namespace
{

struct TextCase
{
    const char* name;
    std::string text;
    std::vector<std::uint32_t> textWords;
};

class TextPacking : public EveFixture, public testing::WithParamInterface<TextCase> {};

TEST_P (TextPacking, PacksBytesLittleEndianAndEndsWithAZeroByte)
{
    eve::cmdText (240, 64, 27, eve::OPT_CENTER, GetParam().text);

    std::vector<std::uint32_t> expected { 0xFFFFFF0C, 0x004000F0, 0x0600001B };
    expected.insert (expected.end(), GetParam().textWords.begin(), GetParam().textWords.end());
    EXPECT_THAT (fifoWords(), ElementsAreArray (expected));
    EXPECT_EQ (eve::fifoWriteOffset, 4 * expected.size());
}

INSTANTIATE_TEST_SUITE_P (Texts, TextPacking, testing::Values (
    TextCase { "Next", "Next", { 0x7478654E, 0 } },
    TextCase { "Utf8BytesUnchanged", "\xC3\xA9", { 0x0000A9C3 } },
    TextCase { "ThreeBytesFitOneWord", "abc", { 0x00636261 } },
    TextCase { "FiveBytes", "Hello", { 0x6C6C6548, 0x0000006F } }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (EveFixture, AnEmptyTextSendsNothing)
{
    eve::fifoWriteOffset = 24;
    eve::cmdText (0, 0, 26, 0, "");
    eve::cmdButton (0, 0, 10, 10, 26, 0, "");
    EXPECT_TRUE (bus().writes.empty());
    EXPECT_EQ (eve::fifoWriteOffset, 24);
}

TEST_F (EveFixture, ATextOf65536BytesCountsAsEmpty)
{
    eve::cmdText (0, 0, 26, 0, std::string (65536, 'a'));
    EXPECT_TRUE (bus().writes.empty());
}

TEST_F (EveFixture, ButtonAndBitmapCommandsPackTheirFields)
{
    eve::cmdFgColor (0x00336699);
    eve::cmdButton (-4, 100, 120, 36, 26, eve::OPT_FLAT, "OK");
    const eve::BitmapRecord record { 33, 0x1000, 6, 64, 32 };
    eve::drawBitmap (record, 5, -3);

    EXPECT_THAT (fifoWords(), ElementsAre (
        0xFFFFFF0A, 0x00336699,
        0xFFFFFF0D, 0x0064FFFC, 0x00240078, 0x0100001A, 0x00004B4F,
        0x05000001,                                     // handle 33 & 0x1F
        0xFFFFFF43, 0x00001000, 0x00400006, 0x00000020,
        0x27000000, 0x1F000001, 0x4002FFFD, 0x21000000));
}

/** Plays a co-processor that consumes at once and answers CMD_GETPROPS. */
void answerGetProps (RecordingSpiBus& bus, std::uint32_t end, std::uint32_t width, std::uint32_t height)
{
    bus.afterWrite = [&bus, end, width, height, read = bus.peek (eve::REG_CMD_READ, 2)] (std::uint32_t address, const std::vector<std::uint8_t>&) mutable
    {
        if (address != eve::REG_CMD_WRITE)
            return;

        const auto write = bus.peek (eve::REG_CMD_WRITE, 2);
        for (; read != write; read = (read + 4) & 0xFFF)
        {
            if (bus.peek (eve::RAM_CMD + read) != 0xFFFFFF25)
                continue;
            bus.poke (eve::RAM_CMD + ((read + 4) & 0xFFF), end);
            bus.poke (eve::RAM_CMD + ((read + 8) & 0xFFF), width);
            bus.poke (eve::RAM_CMD + ((read + 12) & 0xFFF), height);
        }
        bus.poke (eve::REG_CMD_READ, write, 2);
    };
}

TEST_F (EveFixture, LoadPngImageReadsTheResultsAcrossTheRingEnd)
{
    // LOADIMAGE's three words and an 8-byte image bring CMD_GETPROPS to offset 4088.
    eve::fifoWriteOffset = 4068;
    bus().poke (eve::REG_CMD_READ, 4068, 2);
    answerGetProps (bus(), 0x2400, 0x10040, 0x20030);
    const std::uint8_t png[8] { 0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A };
    eve::BitmapRecord record { 3, 0, 0, 0, 0 };

    const auto end = eve::loadPngImage (0x1000, png, sizeof (png), record);

    EXPECT_EQ (end, 0x2400u);
    EXPECT_EQ (record.handle, 3u);
    EXPECT_EQ (record.address, 0x1000u);
    EXPECT_EQ (record.format, 6);
    EXPECT_EQ (record.width, 0x40);     // the low 16 bits
    EXPECT_EQ (record.height, 0x30);
    EXPECT_EQ (eve::fifoWriteOffset, 8);

    std::vector<std::uint32_t> resultReads;
    for (std::size_t i = 0; i + 1 < bus().calls.size(); ++i)
        if (bus().calls[i].rfind ("bytes 30 8", 0) == 0)
            resultReads.push_back (std::stoul (bus().calls[i].substr (9, 2) + bus().calls[i].substr (12, 2), nullptr, 16)
                                   - 0x8000);
    EXPECT_THAT (resultReads, ElementsAre (0xFFC, 0x000, 0x004));
}

} // namespace
