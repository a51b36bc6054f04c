#include "SimulatorFixture.h"

#include <gmock/gmock.h>

using namespace vitrel;
using namespace vitrel::test;
using testing::ElementsAre;

namespace
{

using Bytes = std::vector<std::uint8_t>;

/** Drives a BT815 on the simulated FT232H with the controller's SPI framing. */
class Bt815OnBridge : public BridgeOverSimulator
{
protected:
    void SetUp() override
    {
        BridgeOverSimulator::SetUp();
        ASSERT_TRUE (openQuietly());
    }

    static void transaction (const Bytes& bytes)
    {
        spiSelect();
        spiWriteBytes (bytes.data(), static_cast<std::uint32_t> (bytes.size()));
        spiDeselect();
    }

    static void wake()                             { transaction ({ 0x00, 0x00, 0x00 }); }

    static void write (std::uint32_t address, Bytes data)
    {
        Bytes bytes { static_cast<std::uint8_t> ((address >> 16) | 0x80), static_cast<std::uint8_t> (address >> 8),
                      static_cast<std::uint8_t> (address) };
        bytes.insert (bytes.end(), data.begin(), data.end());
        transaction (bytes);
    }

    static Bytes read (std::uint32_t address, std::uint32_t n)
    {
        const Bytes header { static_cast<std::uint8_t> ((address >> 16) & 0x3F), static_cast<std::uint8_t> (address >> 8),
                             static_cast<std::uint8_t> (address) };
        Bytes data (n);
        spiSelect();
        spiWriteBytes (header.data(), 3);
        spiReadBytes (data.data(), n);
        spiDeselect();
        return data;
    }

    ScopedEnvironment devices { "FTD2XX_SIM_DEVICES", "FT232H:BT815" };
};

TEST_F (Bt815OnBridge, SleepsAfterThePowerDownPulseUntilActive)
{
    EXPECT_THAT (read (0x302000, 1), ElementsAre (0xFF));
    wake();
    EXPECT_THAT (read (0x302000, 1), ElementsAre (0x7C));
}

TEST_F (Bt815OnBridge, AnswersItsChipIdentification)
{
    wake();
    EXPECT_THAT (read (0x0C0000, 4), ElementsAre (0x08, 0x15, 0x01, 0x00));
}

TEST_F (Bt815OnBridge, KeepsWhatIsWrittenAtAutoIncrementedAddresses)
{
    wake();
    write (0x001000, { 0x11, 0x22, 0x33 });
    write (0x302000, { 0x00 });
    write (0x3020FC, { 0x34, 0x12 });
    EXPECT_THAT (read (0x001000, 3), ElementsAre (0x11, 0x22, 0x33));
    EXPECT_THAT (read (0x302000, 1), ElementsAre (0x7C));
    EXPECT_THAT (read (0x3020FC, 2), ElementsAre (0x34, 0x12));
}

TEST_F (Bt815OnBridge, AWriteRunningPastTheEndOfTheCommandRingWrapsToItsStart)
{
    wake();
    write (0x309000, { 0x5A, 0x5A });     // just past RAM_CMD: the co-processor's own area
    write (0x308FFE, { 0x11, 0x22, 0x33, 0x44 });
    EXPECT_THAT (read (0x308FFE, 2), ElementsAre (0x11, 0x22));
    EXPECT_THAT (read (0x308000, 2), ElementsAre (0x33, 0x44));
    EXPECT_THAT (read (0x309000, 2), ElementsAre (0x5A, 0x5A));
}

TEST_F (Bt815OnBridge, ReopeningTheBridgePowersItDownAndResetsItsMemory)
{
    wake();
    write (0x000020, { 0x5A });
    write (0x300000, { 0x5A });
    ASSERT_TRUE (openQuietly());
    wake();
    EXPECT_THAT (read (0x000020, 2), ElementsAre (0x00, 0x00));   // RAM_G starts as zeros
    EXPECT_THAT (read (0x300000, 1), ElementsAre (0x00));
}

} // namespace
