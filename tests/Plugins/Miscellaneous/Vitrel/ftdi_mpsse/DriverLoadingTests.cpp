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

/** How often text occurs in output. */
int occurrences (const std::string& output, const std::string& text)
{
    int n = 0;

    for (auto at = output.find (text); at != std::string::npos; at = output.find (text, at + 1))
        ++n;

    return n;
}

// Each attempt of the display thread reports the missing driver once, and the
// process goes on to try again.
TEST_P (MissingDriver, LeavesTheDisplaysBridgeNotFoundReportingItOncePerAttempt)
{
    for (int attempt = 1; attempt <= 3; ++attempt)
    {
        testing::internal::CaptureStdout();
        EXPECT_FALSE (vitrel::openSpiBridge());
        const auto output = testing::internal::GetCapturedStdout();

        EXPECT_EQ (occurrences (output, loadMessage), 1) << output;
        EXPECT_THAT (output, testing::EndsWith ("channels found : 0\nUSB->SPI Bridge not found."));
    }
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
