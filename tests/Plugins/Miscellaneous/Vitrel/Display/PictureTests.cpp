#include "EVE/BitmapImages.h"
#include "EVE/CommandFifo.h"
#include "EVE/CoprocessorCommands.h"
#include "EVE/DisplayListWords.h"
#include "ftd2xx/PngCodec.h"
#include "SimulatedDisplay.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <filesystem>

using namespace vitrel;
using namespace vitrel::test;
namespace dl = vitrel::eve::dl;

namespace
{

// A rendered frame matches its reference when every sample is within this
// many levels, apart from at most this share of pixels (glyph edges may fall
// differently where floating-point rounding differs between builds).
constexpr int sampleTolerance = 2;
constexpr double strayPixelShare = 0.002;

/** The frames the simulator writes at each swap, kept as test artefacts. */
class Picture : public DisplayOnSimulator
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directories (VITREL_TEST_ARTEFACTS_DIR);
        DisplayOnSimulator::SetUp();
    }

    std::string framePath = std::string (VITREL_TEST_ARTEFACTS_DIR) + "/vitrel_status_frame.png";
    ScopedEnvironment frameOutput { "FTD2XX_SIM_FRAME_PNG", framePath.c_str() };
};

ftd2xxsim::RgbaImage decode (const std::string& path)
{
    const auto bytes = readFile (path);
    ftd2xxsim::PngHeader header;
    ftd2xxsim::RgbaImage image;
    std::string error;
    EXPECT_TRUE (decodePng (bytes.data(), bytes.size(), header, image, error)) << path << ": " << error;
    return image;
}

eve::BitmapRecord loadImage (const char* name, std::uint32_t handle, std::uint32_t& address)
{
    const auto png = readFile (imagePath (name));
    eve::BitmapRecord record { handle, 0, 0, 0, 0 };
    address = eve::loadPngImage (address, png.data(), static_cast<std::uint32_t> (png.size()), record);
    return record;
}

void drawStatusPage (const eve::BitmapRecord& badge, const eve::BitmapRecord& arrow)
{
    eve::startFrame();
    eve::sendCommandWord (dl::clearColorRgb (0, 0, 0));
    eve::sendCommandWord (dl::clear (true, true, true));

    eve::drawBitmap (badge, 8, 8);
    eve::drawBitmap (arrow, 408, 12);

    eve::sendCommandWord (dl::colorRgb (255, 255, 255));
    eve::cmdText (240, 24, 27, eve::OPT_CENTER, "Vitrel 1.0");
    eve::sendCommandWord (dl::colorRgb (180, 220, 255));
    eve::cmdText (240, 52, 26, eve::OPT_CENTER, "192.168.1.20");

    eve::sendCommandWord (dl::tag (1));
    eve::cmdFgColor (0x305090);
    eve::sendCommandWord (dl::colorRgb (255, 255, 255));
    eve::cmdButton (170, 72, 140, 40, 26, eve::OPT_FLAT, "Next");
    eve::sendCommandWord (dl::tagMask (false));

    eve::sendCommandWord (dl::colorRgb (60, 200, 90));
    eve::sendCommandWord (dl::pointSize (5 * 16));
    eve::sendCommandWord (dl::vertexFormat (0));
    eve::sendCommandWord (dl::begin (dl::Primitive::points));
    for (int i = 0; i < 4; ++i)
        eve::sendCommandWord (dl::vertex2f (30 + 20 * i, 100));
    eve::sendCommandWord (dl::end());

    eve::sendCommandWord (dl::colorRgb (250, 80, 60));
    eve::sendCommandWord (dl::lineWidth (24));
    eve::sendCommandWord (dl::begin (dl::Primitive::lines));
    eve::sendCommandWord (dl::vertex2f (330, 120));
    eve::sendCommandWord (dl::vertex2f (470, 70));
    eve::sendCommandWord (dl::colorA (128));
    eve::sendCommandWord (dl::vertex2f (330, 70));
    eve::sendCommandWord (dl::vertex2f (470, 120));
    eve::sendCommandWord (dl::end());

    eve::endFrame();
}

TEST_F (Picture, AStatusPageRendersAsItsReference)
{
    ASSERT_GT (bringUp (4, 2, 2), 1u);
    std::uint32_t address = 0;
    const auto badge = loadImage ("badge.png", 1, address);
    const auto arrow = loadImage ("arrow.png", 2, address);
    std::filesystem::remove (framePath);

    drawStatusPage (badge, arrow);

    const auto frame = decode (framePath);
    const auto reference = decode (imagePath ("status_frame_reference.png"));
    ASSERT_EQ (frame.width, reference.width);
    ASSERT_EQ (frame.height, reference.height);

    int stray = 0;
    for (std::size_t i = 0; i < frame.pixels.size(); i += 4)
        for (std::size_t c = 0; c < 4; ++c)
            if (std::abs (frame.pixels[i + c] - reference.pixels[i + c]) > sampleTolerance)
            {
                ++stray;
                break;
            }

    EXPECT_LE (stray, static_cast<int> (strayPixelShare * frame.width * frame.height))
        << "the frame kept in " << framePath << " differs from the reference";
}

} // namespace
