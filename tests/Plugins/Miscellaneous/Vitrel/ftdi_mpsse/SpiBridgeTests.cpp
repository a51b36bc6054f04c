#include "BridgeFixture.h"
#include "ScopedEnvironment.h"

#include <gmock/gmock.h>

using namespace vitrel::test;
using testing::ElementsAre;

namespace
{

struct OpenCase
{
    const char* name;
    std::vector<FT_DEVICE> devices;
    const char* spiChannel;
    bool opens;
    int openedPosition;
    const char* output;
};

class OpenBridge : public BridgeFixture, public testing::WithParamInterface<OpenCase> {};

TEST_P (OpenBridge, OpensTheChannelThatSpiChannelNames)
{
    std::uint32_t port = 1;

    for (auto type : GetParam().devices)
        d2xx().attach (type, port++);

    ScopedEnvironment channel ("SPICHANNEL", GetParam().spiChannel);
    testing::internal::CaptureStdout();
    EXPECT_EQ (vitrel::openSpiBridge(), GetParam().opens);
    EXPECT_EQ (testing::internal::GetCapturedStdout(), GetParam().output);

    if (GetParam().openedPosition >= 0)
        EXPECT_EQ (vitrel::bridgeHandle, RecordingD2xx::handleAt (GetParam().openedPosition));
    else
        EXPECT_EQ (vitrel::bridgeHandle, nullptr);
}

const std::vector<FT_DEVICE> ft232h { FT_DEVICE_232H }, ft2232h { FT_DEVICE_2232H, FT_DEVICE_2232H };

INSTANTIATE_TEST_SUITE_P (Channels, OpenBridge, testing::Values (
    OpenCase { "NoDevice", {}, nullptr, false, -1, "channels found : 0\nUSB->SPI Bridge not found." },
    OpenCase { "Default", ft232h, nullptr, true, 0, "channels found : 1\nUSB->SPI Bridge opened\n" },
    OpenCase { "SecondOfOne", ft232h, "1", false, -1, "channels found : 1\nUSB->SPI Bridge not found." },
    OpenCase { "TextSelectsChannel0", ft232h, "display", true, 0, "channels found : 1\nUSB->SPI Bridge opened\n" },
    OpenCase { "NegativeIsTooLarge", ft232h, "-1", false, -1, "channels found : 1\nUSB->SPI Bridge not found." },
    OpenCase { "PortB", ft2232h, "1", true, 1, "channels found : 2\nUSB->SPI Bridge opened\n" }),
    [] (const auto& info) { return std::string (info.param.name); });

class DisplayBridge : public BridgeFixture
{
protected:
    void SetUp() override
    {
        BridgeFixture::SetUp();
        attachFt232h();
    }

    bool openQuietly()
    {
        testing::internal::CaptureStdout();
        const bool opened = vitrel::openSpiBridge();
        testing::internal::GetCapturedStdout();
        return opened;
    }
};

TEST_F (DisplayBridge, EndsTheOpeningWithThePowerDownPulseOnAdbus7)
{
    ASSERT_TRUE (openQuietly());
    const auto writes = d2xx().writesTo (vitrel::bridgeHandle);
    ASSERT_GE (writes.size(), 3u);
    EXPECT_THAT (std::vector<std::string> (writes.end() - 3, writes.end()), ElementsAre ("80 00 0B", "80 08 BB", "80 88 BB"));
}

TEST_F (DisplayBridge, AFailedInitialisationIsReported)
{
    d2xx().fail ("SetBitMode", FT_IO_ERROR);
    testing::internal::CaptureStdout();
    EXPECT_FALSE (vitrel::openSpiBridge());
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "channels found : 1\nUnable to open USB->SPI Bridge\n");
}

TEST_F (DisplayBridge, ReopeningClosesThePreviousChannelFirst)
{
    ASSERT_TRUE (openQuietly());
    d2xx().clearCalls();
    ASSERT_TRUE (openQuietly());
    const auto calls = d2xx().callsOn (vitrel::bridgeHandle);
    EXPECT_THAT (std::vector<std::string> (calls.begin(), calls.begin() + 2), ElementsAre ("Write 80 00 00", "Close"));
}

TEST_F (DisplayBridge, BytePrimitivesFrameControllerAccesses)
{
    ASSERT_TRUE (openQuietly());
    d2xx().clearCalls();
    d2xx().answer (vitrel::bridgeHandle, { 0x7C, 0x01 });

    const std::uint8_t address[] { 0x01, 0x02, 0x03 };
    std::uint8_t reply[2] {};
    vitrel::spiSelect();
    vitrel::spiWriteByte (0x5A);
    vitrel::spiWriteBytes (address, 3);
    vitrel::spiReadBytes (reply, 2);
    vitrel::spiDeselect();

    // The deselect writes directions 0x0B again: ADBUS7 is no longer driven after the pulse.
    EXPECT_THAT (d2xx().writesTo (vitrel::bridgeHandle),
                 ElementsAre ("80 00 0B", "11 00 00", "5A", "11 02 00", "01 02 03", "11 00 00", "00", "20 01 00 87",
                              "80 08 0B"));
    EXPECT_THAT (reply, ElementsAre (0x7C, 0x01));
}

TEST_F (DisplayBridge, ClosingLeavesTheClosingPinsAndForgetsTheHandle)
{
    ASSERT_TRUE (openQuietly());
    auto* handle = vitrel::bridgeHandle;
    d2xx().clearCalls();
    vitrel::closeSpiBridge();
    EXPECT_THAT (d2xx().callsOn (handle), ElementsAre ("Write 80 00 00", "Close"));
    EXPECT_EQ (vitrel::bridgeHandle, nullptr);
}

TEST_F (DisplayBridge, AFailedClosingPinWriteStillClosesTheDevice)
{
    ASSERT_TRUE (openQuietly());
    auto* handle = vitrel::bridgeHandle;
    d2xx().clearCalls();
    d2xx().fail ("Write", FT_IO_ERROR);

    vitrel::closeSpiBridge();
    EXPECT_THAT (d2xx().callsOn (handle), ElementsAre ("Write 80 00 00", "Close"));
    EXPECT_EQ (vitrel::bridgeHandle, nullptr);

    // The channel is no longer registered: nothing is left to close twice.
    EXPECT_EQ (SPI_CloseChannel (handle), FT_OTHER_ERROR);
}

TEST_F (DisplayBridge, ClosingReportsTheFailedPinWrite)
{
    auto* handle = openInitialised (SPI_CONFIG_OPTION_CS_ACTIVELOW);
    opened.clear();
    d2xx().fail ("Write", FT_IO_ERROR);
    EXPECT_EQ (SPI_CloseChannel (handle), FT_IO_ERROR);
    EXPECT_THAT (d2xx().callsOn (handle), ElementsAre ("Write 80 00 00", "Close"));
}

} // namespace
