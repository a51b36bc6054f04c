#pragma once

#include "ftdi_mpsse/ftdi_infra.h"
#include "ftdi_mpsse/ftdi_spi.h"
#include "ftdi_mpsse/SpiBridge.h"
#include "RecordingD2xx.h"

#include <gtest/gtest.h>

namespace vitrel::test
{

/** Runs the bridge layer over the recording driver and closes whatever a test left open. */
class BridgeFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        d2xx().reset();
        ftdi::useDriverFunctions (RecordingD2xx::functions());
    }

    void TearDown() override
    {
        closeSpiBridge();

        for (auto* handle : opened)
            SPI_CloseChannel (handle);
    }

    static RecordingD2xx& d2xx()                   { return RecordingD2xx::instance(); }

    /** Opens the index-th capable channel and remembers it for closing. */
    FT_HANDLE open (std::uint32_t index = 0)
    {
        FT_HANDLE handle = nullptr;
        EXPECT_EQ (SPI_OpenChannel (index, &handle), FT_OK);
        opened.push_back (handle);
        return handle;
    }

    /** Opens a channel and configures it at 1 MHz with the given options and layout; the recorded calls start afresh. */
    FT_HANDLE openInitialised (std::uint32_t options, std::uint32_t pinLayout = 0, std::uint32_t index = 0)
    {
        auto* handle = open (index);
        SpiChannelSettings settings { 1'000'000, 2, options, pinLayout, 0 };
        EXPECT_EQ (SPI_InitChannel (handle, &settings), FT_OK);
        d2xx().clearCalls();
        return handle;
    }

    /** Attaches one FT232H. */
    static void attachFt232h()                     { d2xx().attach (FT_DEVICE_232H, 0x10); }

    std::vector<FT_HANDLE> opened;
};

} // namespace vitrel::test
