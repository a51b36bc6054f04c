#include "EVE/CommandFifo.h"
#include "EVE/CoprocessorCommands.h"
#include "EVE/DisplayListWords.h"
#include "EVE/EveRegisters.h"
#include "EVE/EveTransport.h"
#include "SimulatedDisplay.h"
#include "TemporaryFolder.h"
#include "ftd2xx_panel/PanelFile.h"

#include <gmock/gmock.h>

#include <cstdio>

using namespace vitrel;
using namespace vitrel::test;
using ftd2xxsim::PanelFile;

namespace
{

constexpr std::uint32_t noTouch = 0x80008000;

/** A display of type 4 on the simulator that publishes its panel into a file, with a viewer's side open on it. */
class FrontPanel : public DisplayOnSimulator
{
protected:
    void SetUp() override
    {
        DisplayOnSimulator::SetUp();
        ASSERT_GT (bringUp (4, 2, 2), 1u);
        drawTaggedButton();
        viewer = PanelFile::open (path.toStdString());
        ASSERT_NE (viewer, nullptr);
    }

    /** Writes raw words over the touch record, as a broken or hostile viewer might. */
    void writeRawTouch (const std::vector<std::uint32_t>& words) const
    {
        if (auto* file = std::fopen (path.toRawUTF8(), "r+b"))
        {
            std::fseek (file, ftd2xxsim::panel::touchOffset, SEEK_SET);
            std::fwrite (words.data(), 4, words.size(), file);
            std::fclose (file);
        }
    }

    TemporaryFolder folder;
    juce::String path { folder.get().getChildFile ("panel").getFullPathName() };
    ScopedEnvironment panelVariable { "FTD2XX_SIM_PANEL", path };
    std::unique_ptr<PanelFile> viewer;
};

TEST_F (FrontPanel, PublishesEachSwappedFrame)
{
    std::vector<std::uint8_t> rgba;
    std::uint32_t first = 0, second = 0;
    ASSERT_TRUE (viewer->readFrame (rgba, first));
    ASSERT_EQ (rgba.size(), 480u * 128u * 4u);

    const auto pixel = [&rgba] (int x, int y) { return std::vector<std::uint8_t> (rgba.begin() + 4 * (y * 480 + x),
                                                                                   rgba.begin() + 4 * (y * 480 + x) + 4); };
    EXPECT_EQ (pixel (305, 45), (std::vector<std::uint8_t> { 0x20, 0x40, 0x80, 0xFF }));
    EXPECT_EQ (pixel (20, 100), (std::vector<std::uint8_t> { 0, 0, 0, 0xFF }));

    eve::showBlankFrame();
    ASSERT_TRUE (viewer->readFrame (rgba, second));
    EXPECT_GT (second, first);
    EXPECT_EQ (pixel (305, 45), (std::vector<std::uint8_t> { 0, 0, 0, 0xFF }));
}

TEST_F (FrontPanel, ATouchReportsTheTagDrawnThereAndAReleaseClearsIt)
{
    viewer->writeTouch (true, 360, 64);
    EXPECT_EQ (eve::rd8 (eve::REG_TOUCH_TAG), 7);
    EXPECT_EQ (eve::rd32 (eve::REG_TOUCH_SCREEN_XY), (360u << 16) | 64u);

    // Dragged off the button, still pressed: bit 31 stays clear and the tag follows the finger.
    viewer->writeTouch (true, 20, 100);
    EXPECT_EQ (eve::rd32 (eve::REG_TOUCH_SCREEN_XY), (20u << 16) | 100u);
    EXPECT_EQ (eve::rd8 (eve::REG_TOUCH_TAG), 0);

    viewer->writeTouch (true, 301, 41);
    EXPECT_EQ (eve::rd8 (eve::REG_TOUCH_TAG), 7);
    viewer->writeTouch (false, 0, 0);
    EXPECT_EQ (eve::rd32 (eve::REG_TOUCH_SCREEN_XY), noTouch);
    EXPECT_EQ (eve::rd8 (eve::REG_TOUCH_TAG), 0);
}

TEST_F (FrontPanel, AHeldTouchReportsTheTagOfTheNextFrame)
{
    viewer->writeTouch (true, 360, 64);
    EXPECT_EQ (eve::rd8 (eve::REG_TOUCH_TAG), 7);

    eve::showBlankFrame();   // the button is gone, the finger stays
    EXPECT_EQ (eve::rd8 (eve::REG_TOUCH_TAG), 0);
    EXPECT_EQ (eve::rd32 (eve::REG_TOUCH_SCREEN_XY), (360u << 16) | 64u);
}

struct HostileCase
{
    const char* name;
    std::vector<std::uint32_t> words;   // sequence, pressed, x, y, check
};

void PrintTo (const HostileCase& c, std::ostream* os)
{
    *os << c.name;
}

class HostileTouch : public FrontPanel, public testing::WithParamInterface<HostileCase> {};

TEST_P (HostileTouch, IsRefusedAndChangesNothing)
{
    writeRawTouch (GetParam().words);
    EXPECT_EQ (eve::rd32 (eve::REG_TOUCH_SCREEN_XY), noTouch);
    EXPECT_EQ (eve::rd8 (eve::REG_TOUCH_TAG), 0);

    // A well-formed touch after it is taken.
    viewer->writeTouch (true, 360, 64);
    EXPECT_EQ (eve::rd8 (eve::REG_TOUCH_TAG), 7);
}

INSTANTIATE_TEST_SUITE_P (Records, HostileTouch, testing::Values (
    HostileCase { "BadCheck", { 9, 1, 360, 64, 0x12345678 } },
    HostileCase { "OutsideThePanel", { 9, 1, 480, 64, 0 } },
    HostileCase { "NotPressedOrReleased", { 9, 2, 360, 64, 0 } },
    HostileCase { "TornRecord", { 9, 1 } }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (FrontPanel, AShortFileIsRefused)
{
    if (auto* file = std::fopen (path.toRawUTF8(), "wb"))
    {
        std::fwrite ("TPNL", 1, 4, file);
        std::fclose (file);
    }

    EXPECT_EQ (eve::rd32 (eve::REG_TOUCH_SCREEN_XY), noTouch);
    EXPECT_EQ (PanelFile::open (path.toStdString()), nullptr);
}

TEST_F (FrontPanel, APoweredDownDisplayPublishesNothing)
{
    std::vector<std::uint8_t> rgba;
    std::uint32_t sequence = 0;
    closeSpiBridge();
    EXPECT_FALSE (viewer->readFrame (rgba, sequence));
}

// Without a viewer, or with a panel file that cannot be written, the display runs on.
TEST_F (DisplayOnSimulator, APanelThatCannotBePublishedDoesNotStopTheDisplay)
{
    ScopedEnvironment nowhere ("FTD2XX_SIM_PANEL", "no-such-folder/deeper/panel");
    ASSERT_GT (bringUp (4, 2, 2), 1u);

    eve::startFrame();
    eve::sendCommandWord (eve::dl::tag (9));
    eve::cmdButton (0, 0, 100, 50, 27, eve::OPT_FLAT, "Go");
    eve::endFrame();
    EXPECT_EQ (controls.value (eve::REG_CMD_READ, 2), eve::fifoWriteOffset);
    EXPECT_EQ (eve::rd32 (eve::REG_TOUCH_SCREEN_XY), noTouch);
}

} // namespace
