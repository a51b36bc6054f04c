#include "EVE/CoprocessorCommands.h"
#include "EVE/DisplayInit.h"
#include "EVE/EveTransport.h"
#include "EveFixture.h"

#include <gmock/gmock.h>

#include <numeric>

using namespace vitrel;
using namespace vitrel::test;
using testing::ElementsAre;

namespace
{

TEST_F (EveFixture, AWordAtTheLastSlotIsWrittenThereAndWrapsTheOffset)
{
    eve::fifoWriteOffset = 4092;
    eve::sendCommandWord (0x12345678);

    ASSERT_EQ (bus().writes.size(), 1u);
    EXPECT_EQ (bus().writes[0].first, 0x308FFCu);
    EXPECT_EQ (eve::fifoWriteOffset, 0);
    EXPECT_TRUE (bus().writesOf (eve::REG_CMD_WRITE).empty());   // not published yet
}

struct BlockCase
{
    const char* name;
    std::uint16_t startOffset;
    std::uint32_t size;
    std::vector<std::uint32_t> bursts;        // bytes per burst
    std::vector<std::uint32_t> publications;  // REG_CMD_WRITE values
};

class FifoBlock : public EveFixture, public testing::WithParamInterface<BlockCase> {};

TEST_P (FifoBlock, IsStreamedInBurstsThatArePublishedOneByOne)
{
    consumeInstantly (bus());
    eve::fifoWriteOffset = GetParam().startOffset;
    std::vector<std::uint8_t> block (GetParam().size);
    std::iota (block.begin(), block.end(), std::uint8_t (1));

    eve::writeFifoBlock (block.data(), GetParam().size);

    std::vector<std::uint32_t> bursts;
    for (const auto& [address, data] : bus().writes)
        if (address >= eve::RAM_CMD && address < eve::RAM_CMD + eve::RAM_CMD_SIZE)
            bursts.push_back (static_cast<std::uint32_t> (data.size()));

    EXPECT_EQ (bursts, GetParam().bursts);
    EXPECT_EQ (bus().writesOf (eve::REG_CMD_WRITE), GetParam().publications);
    EXPECT_EQ (eve::fifoWriteOffset, GetParam().publications.back());
    EXPECT_EQ (bus().peek (eve::RAM_CMD + GetParam().startOffset, 1), 1u);
}

INSTANTIATE_TEST_SUITE_P (Sizes, FifoBlock, testing::Values (
    BlockCase { "Thousand", 0, 1000, { 512, 488 }, { 512, 1000 } },
    BlockCase { "FiveIsPaddedToEight", 0, 5, { 8 }, { 8 } },
    BlockCase { "BurstAcrossTheRingEndIsNotSplit", 3900, 512, { 512 }, { 316 } }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (EveFixture, TheLastBurstsPaddingIsZero)
{
    consumeInstantly (bus());
    const std::uint8_t block[5] { 1, 2, 3, 4, 5 };
    eve::writeFifoBlock (block, 5);
    EXPECT_EQ (bus().peek (eve::RAM_CMD + 4), 0x00000005u);
}

TEST_F (EveFixture, ABlockWaitsUntilABurstFits)
{
    // The co-processor is 3700 bytes behind and catches up at the third poll.
    bus().poke (eve::REG_CMD_READ, 0, 2);
    bus().poke (eve::REG_CMD_WRITE, 3700, 2);
    int polls = 0;
    bus().beforeRead = [&polls] (std::uint32_t address)
    {
        if (address == eve::REG_CMD_READ && ++polls == 3)
            bus().poke (eve::REG_CMD_READ, 3700, 2);
    };

    eve::fifoWriteOffset = 3700;
    const std::uint8_t block[4] {};
    eve::writeFifoBlock (block, 4);

    EXPECT_EQ (polls, 3);
    EXPECT_THAT (bus().writesOf (eve::REG_CMD_WRITE), ElementsAre (3704u));
}

TEST_F (EveFixture, FreeSpaceCountsTheBytesInFlightAcrossTheRingEnd)
{
    bus().poke (eve::REG_CMD_READ, 4000, 2);
    bus().poke (eve::REG_CMD_WRITE, 100, 2);
    EXPECT_EQ (eve::fifoFreeSpace(), 3896);

    bus().poke (eve::REG_CMD_READ, 100, 2);
    EXPECT_EQ (eve::fifoFreeSpace(), 4092);
}

TEST_F (EveFixture, ADeadBridgeLooksLikeAnEmptyFifo)
{
    EXPECT_EQ (eve::fifoFreeSpace(), 4092);
    eve::waitFifoEmpty();     // both pointers read 0
}

/** A co-processor that faults on the first publication and behaves afterwards. */
void faultOnce (RecordingSpiBus& bus, const char* text)
{
    bus.poke (eve::REG_COPRO_PATCH_PTR, 0x00ABCDEF);
    bus.afterWrite = [&bus, text, faulted = false] (std::uint32_t address, const std::vector<std::uint8_t>& data) mutable
    {
        if (address == eve::REG_CPURESET && data[0] == 1)
            bus.poke (eve::REG_COPRO_PATCH_PTR, 0);    // the reset loses it

        if (address != eve::REG_CMD_WRITE)
            return;

        if (faulted)
        {
            bus.poke (eve::REG_CMD_READ, bus.peek (eve::REG_CMD_WRITE, 2), 2);
            return;
        }

        faulted = true;
        bus.poke (eve::REG_CMD_READ, eve::COPROCESSOR_FAULT, 2);
        for (std::uint32_t i = 0; text[i] != 0; ++i)
            bus.poke (eve::RAM_ERR_REPORT + i, static_cast<std::uint8_t> (text[i]), 1);
    };
}

TEST_F (EveFixture, AFaultIsPrintedAndTheCoprocessorRecovers)
{
    faultOnce (bus(), "illegal font or bitmap handle in cmd_text()");
    eve::fifoWriteOffset = 40;
    eve::startFrame();
    eve::cmdText (10, 10, 40, 0, "x");

    testing::internal::CaptureStdout();
    eve::endFrame();
    const auto printed = testing::internal::GetCapturedStdout();

    std::string expected = "\nillegal font or bitmap handle in cmd_text()";
    expected.push_back ('\0');     // the terminator is printed too
    expected.push_back ('\n');
    EXPECT_EQ (printed, expected);
    EXPECT_EQ (eve::fifoWriteOffset, 0);
    EXPECT_EQ (bus().peek (eve::REG_COPRO_PATCH_PTR), 0x00ABCDEFu);

    // The recovery's register writes, in order, after the fault was seen.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> recovery;
    for (const auto& [address, data] : bus().writes)
        if (address == eve::REG_CPURESET || address == eve::REG_CMD_READ || address == eve::REG_CMD_DL
            || (address == eve::REG_CMD_WRITE && data[0] == 0))
            recovery.emplace_back (address, data[0]);
    EXPECT_THAT (recovery, ElementsAre (std::pair (eve::REG_CPURESET, 1u), std::pair (eve::REG_CMD_READ, 0u),
                                        std::pair (eve::REG_CMD_WRITE, 0u), std::pair (eve::REG_CMD_DL, 0u),
                                        std::pair (eve::REG_CPURESET, 0u)));

    // The next frame starts from the beginning of the ring and completes.
    bus().writes.clear();
    eve::showBlankFrame();
    EXPECT_EQ (bus().writes.front().first, eve::RAM_CMD);
    EXPECT_THAT (bus().writesOf (eve::REG_CMD_WRITE), ElementsAre (20u));
}

TEST_F (EveFixture, AFaultTextWithoutTerminatorStopsAfter128Bytes)
{
    const std::string longText (200, 'e');
    faultOnce (bus(), longText.c_str());
    eve::startFrame();

    testing::internal::CaptureStdout();
    eve::endFrame();
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "\n" + std::string (128, 'e') + "\n");
}

/**
    A co-processor that faults on the first publication and, as the chip does,
    stays faulted until the host resets it; from then on it consumes at once.
    After many polls of a faulted REG_CMD_READ the fault clears by itself, so
    that a host that never looks for it still ends instead of spinning forever.
*/
struct StickyFault
{
    explicit StickyFault (RecordingSpiBus& bus)
    {
        bus.afterWrite = [this, &bus] (std::uint32_t address, const std::vector<std::uint8_t>& data)
        {
            if (address == eve::REG_CPURESET && data[0] == 1)
            {
                faulted = false;
                recovered = true;
            }

            if (address != eve::REG_CMD_WRITE)
                return;

            if (hasFaulted && ! faulted)
            {
                bus.poke (eve::REG_CMD_READ, bus.peek (eve::REG_CMD_WRITE, 2), 2);
            }
            else if (! hasFaulted)
            {
                faulted = hasFaulted = true;
                bus.poke (eve::REG_CMD_READ, eve::COPROCESSOR_FAULT, 2);
                bus.poke (eve::RAM_ERR_REPORT, 0x6B636F6C, 4);    // "lock", then a zero byte
            }
        };

        bus.beforeRead = [this, &bus] (std::uint32_t address)
        {
            if (address != eve::REG_CMD_READ || ! faulted)
                return;

            if (++faultedPolls == 5000)
            {
                faulted = false;
                bus.poke (eve::REG_CMD_READ, bus.peek (eve::REG_CMD_WRITE, 2), 2);
            }
        };
    }

    bool faulted = false, hasFaulted = false, recovered = false;
    int faultedPolls = 0;
};

TEST_F (EveFixture, AFaultWhileABlockStreamsAbandonsTheRestOfTheBlock)
{
    StickyFault coprocessor (bus());
    const std::vector<std::uint8_t> block (16000, 0x55);

    testing::internal::CaptureStdout();
    EXPECT_FALSE (eve::writeFifoBlock (block.data(), static_cast<std::uint32_t> (block.size())));
    EXPECT_EQ (testing::internal::GetCapturedStdout(), std::string ("\nlock") + '\0' + "\n");

    // The fault is seen at the next wait for room, not after thousands of polls.
    EXPECT_LT (coprocessor.faultedPolls, 5);
    EXPECT_TRUE (coprocessor.recovered);
    EXPECT_EQ (eve::fifoWriteOffset, 0);

    // Only the first burst went out: the rest would be read as commands from the recovered ring's start.
    EXPECT_THAT (bus().writesOf (eve::REG_CMD_WRITE), ElementsAre (512u, 0u));
}

TEST_F (EveFixture, ATouchPatchCutShortByAFaultLeavesTheTouchEngineAlone)
{
    StickyFault coprocessor (bus());
    const std::vector<std::uint8_t> patch (2000, 0x55);

    testing::internal::CaptureStdout();
    EXPECT_FALSE (eve::loadTouchPatch (patch.data(), static_cast<std::uint32_t> (patch.size())));
    EXPECT_THAT (testing::internal::GetCapturedStdout(), testing::EndsWith ("Touch patch not loaded: the co-processor faulted\n"));

    // Only the recovery's reset touches REG_CPURESET: the engine is not restarted on half a program.
    std::vector<std::uint32_t> resets;
    for (const auto& [address, data] : bus().writes)
        if (address == eve::REG_CPURESET || address == eve::REG_GPIOX_DIR)
            resets.push_back (address == eve::REG_CPURESET ? data[0] : 0xD1u);
    EXPECT_THAT (resets, ElementsAre (1u, 0u));
}

} // namespace
