#include "EVE/BitmapImages.h"
#include "EVE/CommandFifo.h"
#include "EVE/CoprocessorCommands.h"
#include "EVE/DisplayInit.h"
#include "EVE/DisplayListWords.h"
#include "EVE/EveRegisters.h"
#include "EVE/EveTransport.h"
#include "ftd2xx/PngCodec.h"
#include "SimulatedDisplay.h"

#include <gmock/gmock.h>

#include <random>

using namespace vitrel;
using namespace vitrel::test;

namespace
{

/** A display of type 4 that has come up on the simulator. */
class RunningDisplay : public DisplayOnSimulator
{
protected:
    void SetUp() override
    {
        DisplayOnSimulator::SetUp();
        ASSERT_GT (bringUp (4, 2, 2), 1u);
    }

    /** Loads a test image at address; the end address. */
    std::uint32_t load (const char* name, std::uint32_t address, eve::BitmapRecord& record)
    {
        const auto png = readFile (imagePath (name));
        EXPECT_FALSE (png.empty()) << name;
        return eve::loadPngImage (address, png.data(), static_cast<std::uint32_t> (png.size()), record);
    }
};

TEST_F (RunningDisplay, LoadsPngImagesAsArgb4OneAfterAnother)
{
    eve::BitmapRecord badge { 1, 0, 0, 0, 0 }, arrow { 2, 0, 0, 0, 0 };
    const auto badgeEnd = load ("badge.png", 0, badge);
    const auto arrowEnd = load ("arrow.png", badgeEnd, arrow);

    EXPECT_EQ (badge.width, 48);
    EXPECT_EQ (badge.height, 48);
    EXPECT_EQ (badgeEnd, 48u * 48u * 2u);
    EXPECT_EQ (arrow.address, badgeEnd);
    EXPECT_EQ (arrowEnd, badgeEnd + 64u * 32u * 2u);

    // The arrow's top-left texel is transparent, its shaft opaque orange (250, 170, 30).
    EXPECT_EQ (controls.value (arrow.address, 2), 0x0000u);
    EXPECT_EQ (controls.value (arrow.address + 2 * (16 * 64 + 10), 2), 0xFFA1u);
    EXPECT_NE (controls.value (eve::REG_CMD_READ, 2), eve::COPROCESSOR_FAULT);
}

TEST_F (RunningDisplay, GetPropsResultsAreReadAcrossTheRingEnd)
{
    const auto png = readFile (imagePath ("arrow.png"));
    const auto padded = static_cast<std::uint16_t> ((png.size() + 3) & ~std::size_t (3));

    // Move both pointers so that CMD_GETPROPS lands on the ring's last word but one.
    const auto start = static_cast<std::uint16_t> ((4088 - 12 - padded) & 0xFFF);
    while (eve::fifoWriteOffset != start)
        eve::sendCommandWord (0x2D000000);   // NOP
    eve::updateFifo();
    eve::waitFifoEmpty();

    eve::BitmapRecord record { 0, 0, 0, 0, 0 };
    EXPECT_EQ (eve::loadPngImage (0x1000, png.data(), static_cast<std::uint32_t> (png.size()), record), 0x1000u + 4096u);
    EXPECT_EQ (record.width, 64);
    EXPECT_EQ (record.height, 32);
    EXPECT_EQ (eve::fifoWriteOffset, 8);
}

struct StreamedImage
{
    const char* name;
    int width, height;      // RGBA noise, so the PNG is about four bytes a pixel
    std::size_t pngBytes;
};

void PrintTo (const StreamedImage& c, std::ostream* os)
{
    *os << c.name;
}

class StreamedPng : public RunningDisplay, public testing::WithParamInterface<StreamedImage>
{
protected:
    static ftd2xxsim::RgbaImage noiseImage (int width, int height)
    {
        std::mt19937 noise (static_cast<std::uint32_t> (width * height));
        ftd2xxsim::RgbaImage image;
        image.width = width;
        image.height = height;
        image.pixels.resize (static_cast<std::size_t> (width) * height * 4);

        for (auto& sample : image.pixels)
            sample = static_cast<std::uint8_t> (noise());

        return image;
    }

    /** The image as the co-processor leaves it in RAM_G: ARGB4 texels, little-endian. */
    static std::vector<std::uint8_t> argb4 (const ftd2xxsim::RgbaImage& image)
    {
        std::vector<std::uint8_t> texels;

        for (std::size_t i = 0; i < image.pixels.size(); i += 4)
        {
            const auto* p = image.pixels.data() + i;
            texels.push_back (static_cast<std::uint8_t> ((p[1] & 0xF0) | (p[2] >> 4)));
            texels.push_back (static_cast<std::uint8_t> ((p[3] & 0xF0) | (p[0] >> 4)));
        }

        return texels;
    }
};

TEST_P (StreamedPng, IsDecodedIntoRamGWhateverItsLengthAgainstTheRing)
{
    const auto image = noiseImage (GetParam().width, GetParam().height);
    const auto png = ftd2xxsim::encodePng (image);
    ASSERT_EQ (png.size(), GetParam().pngBytes);
    const auto texels = argb4 (image);
    const auto bytes = static_cast<std::uint32_t> (texels.size());

    // Twice in a row, so that the second copy meets the ring's end at another point of the data.
    eve::BitmapRecord first { 1, 0, 0, 0, 0 }, second { 2, 0, 0, 0, 0 };
    testing::internal::CaptureStdout();
    const auto firstEnd = eve::loadPngImage (0x100, png.data(), static_cast<std::uint32_t> (png.size()), first);
    const auto secondEnd = eve::loadPngImage (firstEnd, png.data(), static_cast<std::uint32_t> (png.size()), second);
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "");   // no fault was reported

    EXPECT_EQ (firstEnd, 0x100 + bytes);
    EXPECT_EQ (secondEnd, firstEnd + bytes);
    EXPECT_EQ (second.width, GetParam().width);
    EXPECT_EQ (second.height, GetParam().height);
    EXPECT_TRUE (controls.memory (0x100, bytes) == texels) << "first copy";
    EXPECT_TRUE (controls.memory (firstEnd, bytes) == texels) << "second copy";
}

// A fault while an image streams (long images) or is decoded (short ones)
// costs that image alone: it draws nothing, and the next load succeeds.
TEST_P (StreamedPng, CutShortByAFaultIsAbandonedAndTheNextLoadSucceeds)
{
    const auto png = ftd2xxsim::encodePng (noiseImage (GetParam().width, GetParam().height));
    controls.injectFault ("image fault on demand");

    eve::BitmapRecord lost { 1, 0, 0, 0, 0 };
    testing::internal::CaptureStdout();
    EXPECT_EQ (eve::loadPngImage (0x100, png.data(), static_cast<std::uint32_t> (png.size()), lost), 0x100u);
    const auto printed = testing::internal::GetCapturedStdout();

    EXPECT_THAT (printed, testing::StartsWith (std::string ("\nimage fault on demand") + '\0' + "\n"));
    EXPECT_THAT (printed, testing::EndsWith ("Image not loaded: the co-processor faulted\n"));
    EXPECT_EQ (lost.width, 0);
    EXPECT_EQ (lost.height, 0);
    EXPECT_EQ (eve::fifoWriteOffset, controls.value (eve::REG_CMD_READ, 2));

    eve::BitmapRecord loaded { 1, 0, 0, 0, 0 };
    testing::internal::CaptureStdout();
    const auto end = eve::loadPngImage (0x100, png.data(), static_cast<std::uint32_t> (png.size()), loaded);
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ (end, 0x100u + 2u * GetParam().width * GetParam().height);
    EXPECT_EQ (loaded.width, GetParam().width);
}

INSTANTIATE_TEST_SUITE_P (Lengths, StreamedPng, testing::Values (
    StreamedImage { "WithinTheRing", 16, 16, 1108 },
    StreamedImage { "JustOverTheRingNotWholeWords", 32, 33, 4325 },
    StreamedImage { "TwoRingsNotWholeWords", 45, 45, 8213 },
    StreamedImage { "TwoAndAHalfRingsWholeWords", 64, 40, 10348 },
    StreamedImage { "AlmostFourRings", 100, 40, 16108 }),
    [] (const auto& info) { return std::string (info.param.name); });

struct FaultCase
{
    const char* name;
    const char* injected;        // null: the fault comes from the command itself
    const char* report;
};

void PrintTo (const FaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class CoprocessorFault : public RunningDisplay, public testing::WithParamInterface<FaultCase> {};

TEST_P (CoprocessorFault, IsPrintedRecoveredAndTheNextFrameIsDrawn)
{
    eve::wr32 (eve::REG_COPRO_PATCH_PTR, 0x1234);

    if (GetParam().injected != nullptr)
        controls.injectFault (GetParam().injected);

    eve::startFrame();
    eve::cmdText (10, 10, GetParam().injected != nullptr ? 26 : 40, 0, "Fault");

    testing::internal::CaptureStdout();
    eve::endFrame();
    std::string expected = "\n";
    expected += GetParam().report;
    expected.push_back ('\0');     // the terminator is printed too
    expected.push_back ('\n');
    EXPECT_EQ (testing::internal::GetCapturedStdout(), expected);
    EXPECT_EQ (eve::fifoWriteOffset, 0);
    EXPECT_EQ (controls.value (eve::REG_COPRO_PATCH_PTR), 0x1234u);

    eve::startFrame();
    eve::cmdText (10, 10, 26, 0, "Fine");
    testing::internal::CaptureStdout();
    eve::endFrame();
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ (controls.value (eve::REG_CMD_READ, 2), eve::fifoWriteOffset);
}

INSTANTIATE_TEST_SUITE_P (Faults, CoprocessorFault, testing::Values (
    FaultCase { "Injected", "coprocessor fault on demand", "coprocessor fault on demand" },
    FaultCase { "IllegalFont", nullptr, "illegal font or bitmap handle in cmd_text()" }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (RunningDisplay, ATouchReportsTheTagDrawnUnderIt)
{
    drawTaggedButton();

    controls.touch (360, 64);
    EXPECT_EQ (eve::rd8 (eve::REG_TOUCH_TAG), 7);
    EXPECT_EQ (eve::rd32 (eve::REG_TOUCH_SCREEN_XY), (360u << 16) | 64u);

    controls.touch (20, 100);
    EXPECT_EQ (eve::rd8 (eve::REG_TOUCH_TAG), 0);

    controls.touch (-1, 0);
    EXPECT_EQ (eve::rd32 (eve::REG_TOUCH_SCREEN_XY), 0x80008000u);
}

} // namespace
