#include "SimulatorFixture.h"

#include <gmock/gmock.h>

using namespace vitrel;
using namespace vitrel::test;
using testing::ElementsAre;

namespace
{

struct CountCase
{
    const char* name;
    const char* devices;
    std::uint32_t channels;
};

class SimulatedChannelCount : public BridgeOverSimulator, public testing::WithParamInterface<CountCase> {};

TEST_P (SimulatedChannelCount, FollowsTheAttachedDevices)
{
    ScopedEnvironment devices ("FTD2XX_SIM_DEVICES", GetParam().devices);
    std::uint32_t count = 99;
    EXPECT_EQ (SPI_GetNumChannels (&count), FT_OK);
    EXPECT_EQ (count, GetParam().channels);
}

INSTANTIATE_TEST_SUITE_P (Devices, SimulatedChannelCount, testing::Values (
    CountCase { "None", nullptr, 0 },
    CountCase { "Ft232h", "FT232H", 1 },
    CountCase { "Ft2232c", "FT2232C", 1 },
    CountCase { "Mixed", "FT2232H,FT4232H,FT232R", 4 }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (BridgeOverSimulator, WithoutDevicesTheBridgeIsNotFound)
{
    ScopedEnvironment devices ("FTD2XX_SIM_DEVICES", nullptr);
    testing::internal::CaptureStdout();
    EXPECT_FALSE (openSpiBridge());
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "channels found : 0\nUSB->SPI Bridge not found.");
}

TEST_F (BridgeOverSimulator, OpensTheDisplaysBridgeAndLeavesThePowerDownLineHigh)
{
    ScopedEnvironment devices ("FTD2XX_SIM_DEVICES", "FT232H");
    testing::internal::CaptureStdout();
    ASSERT_TRUE (openSpiBridge());
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "channels found : 1\nUSB->SPI Bridge opened\n");

    // Directions 0xBB, levels 0x88; the inputs ADBUS2 and ADBUS6 float high.
    std::uint8_t levels = 0;
    EXPECT_EQ (FT_ReadGPIO (bridgeHandle, &levels), FT_OK);
    EXPECT_EQ (levels, 0xCC);

    const auto stats = counters.read();
    EXPECT_EQ (stats.badCommands, 2u);    // the two synchronisation opcodes
    EXPECT_EQ (stats.spiBits, 0u);        // nothing clocked yet
}

TEST_F (BridgeOverSimulator, ClocksTransfersAtTheDisplaysRate)
{
    ScopedEnvironment devices ("FTD2XX_SIM_DEVICES", "FT232H");
    ASSERT_TRUE (openQuietly());
    counters.clear();

    std::uint8_t sent[2] { 0x12, 0x34 }, received[2] {};
    std::uint32_t transferred = 0;
    EXPECT_EQ (SPI_ReadWrite (bridgeHandle, received, sent, 2, &transferred, 0x6), FT_OK);
    EXPECT_EQ (transferred, 2u);
    EXPECT_THAT (received, ElementsAre (0xFF, 0xFF));   // nothing drives data-in

    const auto stats = counters.read();
    EXPECT_EQ (stats.spiBits, 16u);
    EXPECT_NEAR (stats.spiSeconds, 16e-6, 1e-12);
    EXPECT_EQ (stats.usbWrites, 4u);                    // chip select, command, data, chip select
}

TEST_F (BridgeOverSimulator, ClosingOneOfTwoChannelsLeavesTheOtherUsable)
{
    ScopedEnvironment devices ("FTD2XX_SIM_DEVICES", "FT2232H");
    auto* portA = openInitialised (0);
    auto* portB = openInitialised (1);

    EXPECT_EQ (SPI_CloseChannel (portA), FT_OK);
    opened.erase (opened.begin());

    std::uint8_t levels = 0;
    EXPECT_EQ (FT_ReadGPIO (portB, &levels), FT_OK);
    EXPECT_EQ (levels, 0xF4);                           // ADBUS0, 1, 3 driven low
    EXPECT_EQ (FT_ReadGPIO (portA, &levels), FT_INVALID_HANDLE);
}

TEST_F (BridgeOverSimulator, AChannelIsOpenOnlyOnce)
{
    ScopedEnvironment devices ("FTD2XX_SIM_DEVICES", "FT232H");
    openInitialised (0);
    FT_HANDLE second = nullptr;
    EXPECT_EQ (SPI_OpenChannel (0, &second), 3u);       // the driver's "device not opened"
}

} // namespace
