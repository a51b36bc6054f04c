#include "BridgeFixture.h"
#include "TestPlatform.h"

#include <gmock/gmock.h>

using namespace vitrel::test;

namespace
{

struct MissingCase
{
    const char* name;
    const char* library;
};

// Without a usable driver the process lives on: the channel API fails and
// the display's bridge is not found.
class MissingDriver : public BridgeFixture, public testing::WithParamInterface<MissingCase>
{
protected:
    void SetUp() override                          { vitrel::ftdi::setDriverLibraryPath (GetParam().library); }
    void TearDown() override                       { vitrel::ftdi::setDriverLibraryPath (nullptr); }
};

const std::string loadMessage = ":Init_libMPSSE(): NULL expression encountered\n";

TEST_P (MissingDriver, IsReportedAndAnsweredWithAFailureStatus)
{
    std::uint32_t count = 7;
    testing::internal::CaptureStdout();
    EXPECT_EQ (SPI_GetNumChannels (&count), FT_OTHER_ERROR);
    const auto output = testing::internal::GetCapturedStdout();

    EXPECT_EQ (count, 0u);
    EXPECT_THAT (output, testing::StartsWith ("ftdi_infra.cpp:"));
    EXPECT_THAT (output, testing::EndsWith (loadMessage));
}

TEST_P (MissingDriver, LeavesTheDisplaysBridgeNotFound)
{
    testing::internal::CaptureStdout();
    EXPECT_FALSE (vitrel::openSpiBridge());
    const auto output = testing::internal::GetCapturedStdout();

    EXPECT_THAT (output, testing::HasSubstr (loadMessage));
    EXPECT_THAT (output, testing::EndsWith ("channels found : 0\nUSB->SPI Bridge not found."));
}

INSTANTIATE_TEST_SUITE_P (Libraries, MissingDriver, testing::Values (
    MissingCase { "NoSuchFile", "no-such-dir/no-such-ftd2xx-library" },
    MissingCase { "NoD2xxFunctions", libraryWithoutD2xx() }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST (InfraTestFunction, AddsOneHundred)
{
    std::uint32_t j = 0;
    EXPECT_EQ (Infra_TestFunction (5, &j), FT_OK);
    EXPECT_EQ (j, 105u);
}

} // namespace
