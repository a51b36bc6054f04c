#pragma once

#include "ftd2xx/D2xxApi.h"
#include "ftd2xx_client/SimulatorCounters.h"
#include "ftdi_mpsse/DriverLibrary.h"
#include "ftdi_mpsse/ftdi_infra.h"
#include "ftdi_mpsse/ftdi_spi.h"
#include "ftdi_mpsse/SpiBridge.h"
#include "ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <vector>

namespace vitrel::test
{

/** Runs the bridge layer over the simulated driver, loaded by its file name as the real driver would be. */
class BridgeOverSimulator : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (counters.loaded()) << "the simulated driver must be found by name";
        Cleanup_libMPSSE();
        counters.clear();
    }

    void TearDown() override
    {
        vitrel::closeSpiBridge();

        for (auto* handle : opened)
            SPI_CloseChannel (handle);
    }

    bool openQuietly()
    {
        testing::internal::CaptureStdout();
        const bool result = vitrel::openSpiBridge();
        testing::internal::GetCapturedStdout();
        return result;
    }

    FT_HANDLE openInitialised (std::uint32_t index)
    {
        FT_HANDLE handle = nullptr;
        SpiChannelSettings settings { 1'000'000, 2, 0x20, 0, 0 };
        EXPECT_EQ (SPI_OpenChannel (index, &handle), FT_OK);
        EXPECT_EQ (SPI_InitChannel (handle, &settings), FT_OK);
        opened.push_back (handle);
        return handle;
    }

    ftd2xxsim::SimulatorCounters counters;
    std::vector<FT_HANDLE> opened;
};

} // namespace vitrel::test
