#include "SimulatedDisplay.h"

#include "EVE/CommandFifo.h"
#include "EVE/CoprocessorCommands.h"
#include "EVE/DisplayInit.h"
#include "EVE/DisplayListWords.h"

#include <cstdio>

namespace vitrel::test
{

std::uint32_t DisplayOnSimulator::bringUp (int displayType, int boardVariant, int touch)
{
    testing::internal::CaptureStdout();
    const auto result = eve::initDisplay (displayType, boardVariant, touch);
    printed = testing::internal::GetCapturedStdout();
    return result;
}

void drawTaggedButton()
{
    eve::startFrame();
    eve::sendCommandWord (eve::dl::clearColorRgb (0, 0, 0));
    eve::sendCommandWord (eve::dl::clear (true, true, true));
    eve::sendCommandWord (eve::dl::tag (7));
    eve::cmdFgColor (0x204080);
    eve::cmdButton (300, 40, 120, 48, 27, eve::OPT_FLAT, "Next");
    eve::endFrame();
}

std::vector<std::uint8_t> readFile (const std::string& path)
{
    std::vector<std::uint8_t> bytes;

    if (auto* file = std::fopen (path.c_str(), "rb"))
    {
        std::uint8_t buffer[4096];

        for (std::size_t n; (n = std::fread (buffer, 1, sizeof (buffer), file)) > 0;)
            bytes.insert (bytes.end(), buffer, buffer + n);

        std::fclose (file);
    }

    return bytes;
}

std::string imagePath (const char* name)
{
    return std::string (VITREL_TEST_IMAGES_DIR) + "/" + name;
}

} // namespace vitrel::test
