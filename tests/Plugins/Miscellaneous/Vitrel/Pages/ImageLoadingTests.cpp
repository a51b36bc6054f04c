#include "MatrixOrbitalImages.h"
#include "PageImageLoading.h"
#include "SimulatedDisplay.h"
#include "ftdi_mpsse/SpiBridge.h"

#include <tavcore/ClassOf.h>

using namespace vitrel::test;

namespace
{

/** An images class of the test's own, holding only the attributes it is given. */
class OwnImages : public DisplayOnSimulator
{
protected:
    void SetUp() override
    {
        DisplayOnSimulator::SetUp();
        ASSERT_GT (bringUp (4, 2, 2), 1u) << printed;
    }

    void setImage (const char* name, const std::vector<std::uint8_t>& bytes)
    {
        const auto block = tav::State::createLz4Block (bytes.data(), bytes.size());
        tav::State state;
        ASSERT_TRUE (tav::State::fromLz4Block (block.getData(), block.getSize(), bytes.size(), state).wasOk());
        images.setAttribute (context, name, state);
    }

    std::uint32_t load (std::size_t index, std::uint32_t address, vitrel::eve::BitmapRecord& record)
    {
        testing::internal::CaptureStdout();
        const auto end = launcher::loadPageImage (&images, index, address, record);
        printed = testing::internal::GetCapturedStdout();
        return end;
    }

    tav::ExecutionContext context;
    tav::AbstractClass images { "Object" };
};

std::vector<std::uint8_t> realImage (const char* name)
{
    const launcher::MatrixOrbitalImagesClass real;
    const auto buffer = real.getBufferAttribute (name, nullptr);
    const auto* bytes = static_cast<const std::uint8_t*> (buffer.data);
    return { bytes, bytes + buffer.size };
}

} // namespace

TEST_F (OwnImages, AMissingImageIsSaidAndLeavesAnEmptyRecordAndTheAddress)
{
    vitrel::eve::BitmapRecord record {};
    EXPECT_EQ (load (0, 4096, record), 4096u);
    EXPECT_NE (printed.find ("ERROR: image torvoLive not found."), std::string::npos) << printed;
    EXPECT_EQ (record.handle, 0u);
    EXPECT_EQ (record.width, 0u);
    EXPECT_EQ (launcher::loadPageImage (nullptr, 1, 64, record), 64u) << "no images class at all";
}

TEST_F (OwnImages, ACorruptPictureLeavesAnEmptyRecordAndTheNextImageStillLoads)
{
    auto corrupt = realImage ("ip");
    std::fill (corrupt.begin() + 16, corrupt.end(), std::uint8_t (0xA5));
    setImage ("ip", corrupt);
    setImage ("performances", realImage ("performances"));

    vitrel::eve::BitmapRecord ip {}, performances {};
    const auto afterIp = load (1, 0, ip);
    EXPECT_EQ (afterIp, 0u) << printed;
    EXPECT_EQ (ip.width, 0u);

    const auto afterPerformances = load (2, afterIp, performances);
    EXPECT_EQ (performances.width, 34u) << printed;
    EXPECT_EQ (performances.height, 34u);
    EXPECT_EQ (afterPerformances, 34u * 34u * 2u) << "ARGB4 takes two bytes a pixel";
}

TEST_F (OwnImages, ABridgeLostBeforeTheLargestImageLeavesItEmptyWithoutWaitingForever)
{
    setImage ("torvoLive", realImage ("torvoLive"));
    vitrel::closeSpiBridge();

    vitrel::eve::BitmapRecord logo {};
    EXPECT_EQ (load (0, 0, logo), 0u);
    EXPECT_EQ (logo.width, 0u);
}
