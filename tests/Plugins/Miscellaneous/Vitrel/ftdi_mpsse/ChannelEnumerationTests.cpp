#include "BridgeFixture.h"

#include <gmock/gmock.h>

using namespace vitrel::test;
using testing::ElementsAre;

namespace
{

struct AttachedDevice
{
    FT_DEVICE type;
    std::uint32_t locationId;
};

struct CountCase
{
    const char* name;
    std::vector<AttachedDevice> devices;
    std::uint32_t channels;
};

class ChannelCount : public BridgeFixture, public testing::WithParamInterface<CountCase> {};

TEST_P (ChannelCount, CountsTheMpsseCapableChannelsOfEveryAttachedDevice)
{
    for (const auto& device : GetParam().devices)
        d2xx().attach (device.type, device.locationId);

    std::uint32_t count = 99;
    EXPECT_EQ (SPI_GetNumChannels (&count), FT_OK);
    EXPECT_EQ (count, GetParam().channels);
}

// Multi-channel chips list one entry per port, the port in the location id's low nibble.
INSTANTIATE_TEST_SUITE_P (DeviceTypes, ChannelCount, testing::Values (
    CountCase { "None", {}, 0 },
    CountCase { "FT2232H_PortsAandB", { { FT_DEVICE_2232H, 0x21 }, { FT_DEVICE_2232H, 0x22 } }, 2 },
    CountCase { "FT4232H_PortsCandDNotCapable",
                { { FT_DEVICE_4232H, 0x31 }, { FT_DEVICE_4232H, 0x32 }, { FT_DEVICE_4232H, 0x33 }, { FT_DEVICE_4232H, 0x34 } }, 2 },
    CountCase { "FT232H_AnyLocation", { { FT_DEVICE_232H, 0x40 } }, 1 },
    CountCase { "FT2232C_PortAOnly", { { FT_DEVICE_2232C, 0x51 }, { FT_DEVICE_2232C, 0x52 } }, 1 },
    CountCase { "FT232R_NotCapable", { { FT_DEVICE_232R, 0x61 } }, 0 },
    CountCase { "XSeries_NotCapable", { { 9, 0x71 } }, 0 },
    CountCase { "Mixed", { { FT_DEVICE_232R, 0x61 }, { FT_DEVICE_2232H, 0x21 }, { FT_DEVICE_2232H, 0x22 }, { FT_DEVICE_232H, 0x40 } }, 3 }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (BridgeFixture, FailingDeviceListCountIsPassedOnWithItsStatus)
{
    attachFt232h();
    d2xx().fail ("CreateDeviceInfoList", FT_IO_ERROR);
    std::uint32_t count = 0;
    EXPECT_EQ (SPI_GetNumChannels (&count), FT_IO_ERROR);
    EXPECT_EQ (count, 1u);
}

// An FT232R in front of an FT2232H shifts list positions but not channel indices.
class MixedDeviceList : public BridgeFixture
{
protected:
    void SetUp() override
    {
        BridgeFixture::SetUp();
        d2xx().attach (FT_DEVICE_232R, 0x61);
        d2xx().attach (FT_DEVICE_2232H, 0x21);
        d2xx().attach (FT_DEVICE_2232H, 0x22);
    }
};

TEST_F (MixedDeviceList, ChannelInfoIsTheIndexedCapableEntry)
{
    FT_DEVICE_LIST_INFO_NODE node {};
    EXPECT_EQ (SPI_GetChannelInfo (1, &node), FT_OK);
    EXPECT_EQ (node.Type, FT_DEVICE_2232H);
    EXPECT_EQ (node.LocId, 0x22u);
}

TEST_F (MixedDeviceList, OpeningAChannelOpensItsPositionInTheWholeDeviceList)
{
    const auto* handle = open (1);
    EXPECT_EQ (handle, RecordingD2xx::handleAt (2));
    EXPECT_THAT (d2xx().listCalls(), ElementsAre ("CreateDeviceInfoList", "GetDeviceInfoList", "Open 2"));
}

TEST_F (MixedDeviceList, AnIndexNotBelowTheDeviceCountIsAnInvalidHandle)
{
    FT_HANDLE handle = nullptr;
    FT_DEVICE_LIST_INFO_NODE node {};
    EXPECT_EQ (SPI_OpenChannel (3, &handle), FT_INVALID_HANDLE);
    EXPECT_EQ (SPI_GetChannelInfo (3, &node), FT_INVALID_HANDLE);
    EXPECT_EQ (handle, nullptr);
}

TEST_F (MixedDeviceList, AnIndexPastTheCapableChannelsOpensNothing)
{
    FT_HANDLE handle = nullptr;
    EXPECT_EQ (SPI_OpenChannel (2, &handle), FT_OK);
    EXPECT_EQ (handle, nullptr);
    EXPECT_THAT (d2xx().listCalls(), ElementsAre ("CreateDeviceInfoList", "GetDeviceInfoList"));
}

} // namespace
