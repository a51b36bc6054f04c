#include "BridgeFixture.h"
#include "ftdi_mpsse/MpsseEngine.h"

#include <gmock/gmock.h>

#include <algorithm>

using namespace vitrel::test;
using testing::ElementsAre;

namespace
{

class ChannelInit : public BridgeFixture
{
protected:
    void SetUp() override
    {
        BridgeFixture::SetUp();
        attachFt232h();
        handle = open();
        d2xx().clearCalls();
    }

    FT_STATUS init (std::uint32_t options, std::uint32_t clockHz = 1'000'000)
    {
        settings = { clockHz, 2, options, 0, 0 };
        return SPI_InitChannel (handle, &settings);
    }

    FT_HANDLE handle = nullptr;
    SpiChannelSettings settings {};
};

TEST_F (ChannelInit, ResetsSynchronisesClocksAndDrivesThePinsOfTheDisplaysSetup)
{
    EXPECT_EQ (init (SPI_CONFIG_OPTION_CS_ACTIVELOW), FT_OK);
    EXPECT_THAT (d2xx().callsOn (handle),
                 ElementsAre ("GetDeviceInfo", "ResetDevice", "Purge 3", "SetUSBParameters 65536 65536",
                              "SetChars 0 0 0 0", "SetTimeouts 5000 5000", "SetLatencyTimer 2", "SetBitMode 00 00",
                              "SetBitMode 00 02", "Write 84",
                              "GetQueueStatus",                               // drain before the echo checks
                              "Write AA", "GetQueueStatus", "Read 2",         // echo of 0xAA
                              "Write AB", "GetQueueStatus", "Read 2",         // echo of 0xAB
                              "Write 8B", "Write 86 05 00",                   // 1 MHz from the 6 MHz base
                              "Write 85", "GetQueueStatus", "Write 80 00 0B"));
}

struct LayoutCase
{
    const char* name;
    std::uint32_t options;
    std::uint32_t pinLayout;
    std::uint32_t storedLayout;
    const char* pinWrite;
};

class PinLayout : public ChannelInit, public testing::WithParamInterface<LayoutCase> {};

TEST_P (PinLayout, ForcesTheSpiPinRolesAndTheClockIdleLevel)
{
    settings = { 1'000'000, 2, GetParam().options, GetParam().pinLayout, 0 };
    EXPECT_EQ (SPI_InitChannel (handle, &settings), FT_OK);
    EXPECT_EQ (settings.pinLayout, GetParam().storedLayout);
    EXPECT_EQ (settings.pinState, GetParam().storedLayout & 0xFFFF);
    EXPECT_EQ (d2xx().writesTo (handle).back(), GetParam().pinWrite);
}

INSTANTIATE_TEST_SUITE_P (Modes, PinLayout, testing::Values (
    LayoutCase { "Mode0", 0x20, 0, 0x0B, "80 00 0B" },
    LayoutCase { "Mode2ClockIdlesHigh", 0x22, 0, 0x10B, "80 01 0B" },
    LayoutCase { "Mode3ClockIdlesHigh", 0x23, 0, 0x10B, "80 01 0B" },
    LayoutCase { "ChipSelectLine4IsAdbus7", 0x30, 0, 0x83, "80 00 83" },
    LayoutCase { "CallerBitsKeptDataInForcedInput", 0x21, 0xFFFF0D04, 0xFFFF0C0B, "80 0C 0B" }),
    [] (const auto& info) { return std::string (info.param.name); });

struct ClockCase
{
    const char* name;
    FT_DEVICE type;
    std::uint32_t clockHz;
    std::vector<std::string> writes;
};

void PrintTo (const ClockCase& c, std::ostream* os)
{
    *os << c.name;
}

class Clock : public ChannelInit, public testing::WithParamInterface<ClockCase> {};

TEST_P (Clock, ChoosesTheBaseAndDivisor)
{
    EXPECT_EQ (vitrel::ftdi::setMpsseClock (RecordingD2xx::functions(), handle, GetParam().type, GetParam().clockHz), FT_OK);
    EXPECT_EQ (d2xx().writesTo (handle), GetParam().writes);
}

INSTANTIATE_TEST_SUITE_P (Rates, Clock, testing::Values (
    ClockCase { "Display1MHz", FT_DEVICE_232H, 1'000'000, { "8B", "86 05 00" } },
    ClockCase { "Top6MHzStaysOnSlowBase", FT_DEVICE_232H, 6'000'000, { "8B", "86 00 00" } },
    ClockCase { "Fast10MHz", FT_DEVICE_2232H, 10'000'000, { "8A", "86 02 00" } },
    ClockCase { "Max30MHz", FT_DEVICE_4232H, 30'000'000, { "8A", "86 00 00" } },
    ClockCase { "Ft2232cHasNoDivideBy5", FT_DEVICE_2232C, 1'000'000, { "86 1D 00" } },
    // Clocks that no divisor gives exactly run at the next slower clock: 15 MHz, 5 MHz, 2 MHz, 1.5 MHz.
    ClockCase { "Asked16MHzRuns15", FT_DEVICE_232H, 16'000'000, { "8A", "86 01 00" } },
    ClockCase { "Asked7MHzRuns6", FT_DEVICE_232H, 7'000'000, { "8A", "86 04 00" } },
    ClockCase { "Asked2Point5MHzRuns2", FT_DEVICE_232H, 2'500'000, { "8B", "86 02 00" } },
    ClockCase { "Asked1Point9MHzRuns1Point5", FT_DEVICE_232H, 1'900'000, { "8B", "86 03 00" } },
    ClockCase { "SlowestTheDivisorMakes", FT_DEVICE_232H, 92, { "8B", "86 C1 FE" } }),
    [] (const auto& info) { return std::string (info.param.name); });

// Whatever is asked, the clock the setting makes is at most the request, and the next faster divisor would exceed it.
TEST (ClockSetting, NeverRunsTheBusFasterThanAsked)
{
    for (const std::uint32_t asked : { 1'000u, 999'999u, 1'000'000u, 1'000'001u, 4'000'000u, 6'000'001u,
                                       14'999'999u, 16'000'000u, 29'999'999u, 30'000'000u })
    {
        for (const FT_DEVICE type : { FT_DEVICE_232H, FT_DEVICE_2232C })
        {
            const auto setting = vitrel::ftdi::clockSettingFor (type, asked);
            ASSERT_TRUE (setting.valid) << asked;
            EXPECT_LE (setting.baseHz / (1 + setting.divisor), asked) << asked;

            if (setting.divisor > 0)
            {
                EXPECT_GT (static_cast<double> (setting.baseHz) / setting.divisor, asked) << asked;
            }
        }
    }
}

TEST_F (ChannelInit, RefusesClocksItCannotMakeBeforeTouchingTheDevice)
{
    EXPECT_EQ (init (0, 30'000'001), FT_INVALID_PARAMETER);
    EXPECT_EQ (init (0, 0), FT_INVALID_PARAMETER);

    // Slower than the largest divisor makes: that divisor would run the bus faster than asked.
    EXPECT_EQ (init (0, 91), FT_INVALID_PARAMETER);
    EXPECT_EQ (vitrel::ftdi::setMpsseClock (RecordingD2xx::functions(), handle, FT_DEVICE_232H, 91), FT_INVALID_PARAMETER);
    EXPECT_TRUE (d2xx().callsOn (handle).empty());
}

struct FailureCase
{
    const char* call;
    const char* lastCall;
};

class FailingCall : public ChannelInit, public testing::WithParamInterface<FailureCase> {};

TEST_P (FailingCall, StopsTheSequenceWithTheDriversStatus)
{
    d2xx().fail (GetParam().call, FT_IO_ERROR);
    EXPECT_EQ (init (SPI_CONFIG_OPTION_CS_ACTIVELOW), FT_IO_ERROR);
    EXPECT_EQ (d2xx().callsOn (handle).back(), GetParam().lastCall);
}

INSTANTIATE_TEST_SUITE_P (Calls, FailingCall, testing::Values (
    FailureCase { "GetDeviceInfo", "GetDeviceInfo" },
    FailureCase { "ResetDevice", "ResetDevice" },
    FailureCase { "Purge", "Purge 3" },
    FailureCase { "SetUSBParameters", "SetUSBParameters 65536 65536" },
    FailureCase { "SetChars", "SetChars 0 0 0 0" },
    FailureCase { "SetTimeouts", "SetTimeouts 5000 5000" },
    FailureCase { "SetLatencyTimer", "SetLatencyTimer 2" },
    FailureCase { "SetBitMode", "SetBitMode 00 00" },
    FailureCase { "Write", "Write 84" },
    FailureCase { "GetQueueStatus", "GetQueueStatus" },
    FailureCase { "Read", "Read 2" }),
    [] (const auto& info) { return std::string (info.param.call); });

TEST_F (ChannelInit, FindsAnEchoSplitAcrossTwoReads)
{
    int aaWrites = 0;
    d2xx().respondWith ([&aaWrites] (const Bytes& written) -> Bytes
    {
        if (written == Bytes { 0xAA })
            return ++aaWrites == 1 ? Bytes { 0x00, 0xFA } : Bytes { 0xAA };

        return written == Bytes { 0xAB } ? Bytes { 0xFA, 0xAB } : Bytes {};
    });

    EXPECT_EQ (init (0), FT_OK);
    EXPECT_EQ (aaWrites, 2);
}

TEST_F (ChannelInit, GivesUpWhenTheOpcodeNeverFollowsTheBadCommandByte)
{
    // 0xFA then another byte disarms; the engine never answers in sync.
    d2xx().respondWith ([] (const Bytes& written)
    {
        return written == Bytes { 0xAA } ? Bytes { 0xAA, 0xFA, 0x00, 0xAA } : Bytes {};
    });

    EXPECT_EQ (init (0), FT_OTHER_ERROR);
    const auto writes = d2xx().writesTo (handle);
    EXPECT_EQ (std::count (writes.begin(), writes.end(), "AA"), 4097);
    EXPECT_EQ (std::count (writes.begin(), writes.end(), "AB"), 0);
}

TEST_F (ChannelInit, MoreThanTheEchoBufferWaitingIsOutOfResources)
{
    d2xx().respondWith ([] (const Bytes& written) { return written == Bytes { 0xAA } ? Bytes (4097, 0) : Bytes {}; });
    EXPECT_EQ (init (0), FT_INSUFFICIENT_RESOURCES);
}

TEST_F (ChannelInit, AnUnregisteredHandleIsConfiguredButAnswersOtherError)
{
    SpiChannelSettings s { 1'000'000, 2, 0, 0, 0 };
    auto* stranger = RecordingD2xx::handleAt (7);
    EXPECT_EQ (SPI_InitChannel (stranger, &s), FT_OTHER_ERROR);
    EXPECT_EQ (d2xx().writesTo (stranger).back(), "80 00 0B");
}

} // namespace
