#include "EVE/CommandFifo.h"
#include "EVE/DisplayInit.h"
#include "EVE/EveRegisters.h"
#include "EVE/TouchPatches.h"
#include "SimulatedDisplay.h"

#include <gmock/gmock.h>
#include <zlib.h>

using namespace vitrel;
using namespace vitrel::test;
using testing::ElementsAreArray;
using testing::HasSubstr;

namespace
{

constexpr std::uint32_t bt815ChipId = 0x00011508;

struct Timing
{
    std::uint32_t hcycle, hoffset, hsync0, hsync1, vcycle, voffset, vsync0, vsync1, hsize, vsize, pclk, pclkPol, cspread;
};

struct BringUpCase
{
    const char* name;
    int type, board, touch;
    std::vector<std::uint8_t> hostCommands;
    Timing timing;
    std::uint32_t touchConfig;
    char patch;                  // 'A', 'B' or 0
    int width, height;
    const char* panelOutput;
};

void PrintTo (const BringUpCase& c, std::ostream* os)
{
    *os << c.name;
}

class BringUp : public DisplayOnSimulator, public testing::WithParamInterface<BringUpCase> {};

/** The program a patch inflates into the touch engine's memory. */
std::vector<std::uint8_t> inflatedPatch (char patch)
{
    const auto* bytes = patch == 'A' ? eve::touchPatchA + 24 : eve::touchPatchB + 40;
    const uLong compressed = patch == 'A' ? 1158 : 910;
    std::vector<std::uint8_t> program (patch == 'A' ? 2032 : 1710);
    uLongf size = static_cast<uLongf> (program.size());
    EXPECT_EQ (uncompress (program.data(), &size, bytes, compressed), Z_OK);
    EXPECT_EQ (size, program.size());
    return program;
}

TEST_P (BringUp, LeavesTheControllerRunningWithTheTypesTimingAndTouch)
{
    const auto& c = GetParam();
    ASSERT_EQ (bringUp (c.type, c.board, c.touch), bt815ChipId);

    EXPECT_THAT (printed, HasSubstr ("Chip ID = 0x00011508\n"));
    EXPECT_THAT (printed, HasSubstr (c.panelOutput));
    EXPECT_EQ (controls.hostCommands(), c.hostCommands);

    const auto reg16 = [this] (std::uint32_t address) { return controls.value (address, 2); };
    const Timing timing { reg16 (eve::REG_HCYCLE), reg16 (eve::REG_HOFFSET), reg16 (eve::REG_HSYNC0),
                          reg16 (eve::REG_HSYNC1), reg16 (eve::REG_VCYCLE), reg16 (eve::REG_VOFFSET),
                          reg16 (eve::REG_VSYNC0), reg16 (eve::REG_VSYNC1), reg16 (eve::REG_HSIZE),
                          reg16 (eve::REG_VSIZE), controls.value (eve::REG_PCLK, 1),
                          controls.value (eve::REG_PCLK_POL, 1), controls.value (eve::REG_CSPREAD, 1) };
    EXPECT_EQ (std::memcmp (&timing, &c.timing, sizeof (Timing)), 0) << "timing registers differ";

    EXPECT_EQ (controls.value (eve::REG_FREQUENCY), 60'000'000u);
    EXPECT_EQ (reg16 (eve::REG_TOUCH_CONFIG), c.touchConfig);
    EXPECT_EQ (reg16 (eve::REG_TOUCH_RZTHRESH), 1200u);
    EXPECT_EQ (controls.value (eve::REG_TOUCH_MODE, 1), 2u);
    EXPECT_EQ (controls.value (eve::REG_TOUCH_OVERSAMPLE, 1), 15u);
    EXPECT_EQ (reg16 (eve::REG_GPIOX_DIR), 0xFFFFu);
    EXPECT_EQ (reg16 (eve::REG_GPIOX), 0x80FFu);
    EXPECT_EQ (reg16 (eve::REG_PWM_HZ), 250u);
    EXPECT_EQ (controls.value (eve::REG_PWM_DUTY, 1), 128u);
    EXPECT_EQ (controls.value (eve::REG_CPURESET, 1), 0u);
    EXPECT_EQ (controls.value (eve::REG_DLSWAP, 1), 0u);    // the first list has been swapped in
    EXPECT_EQ (controls.value (eve::RAM_DL + 4), 0x26000007u);

    EXPECT_EQ (eve::displayWidth, c.width);
    EXPECT_EQ (eve::displayHeight, c.height);
    EXPECT_EQ (eve::touchType, c.touch);

    // A patch is consumed completely and leaves its program in the touch engine.
    const auto patchSize = c.patch == 'A' ? 1216u : c.patch == 'B' ? 968u : 0u;
    EXPECT_EQ (eve::fifoWriteOffset, patchSize);
    EXPECT_EQ (reg16 (eve::REG_CMD_READ), patchSize);

    if (c.patch != 0)
    {
        const auto program = inflatedPatch (c.patch);
        EXPECT_EQ (controls.memory (eve::RAM_TOUCH_PATCH, static_cast<std::uint32_t> (program.size())), program);
    }
}

INSTANTIATE_TEST_SUITE_P (Types, BringUp, testing::Values (
    BringUpCase { "Type4Board2Capacitive", 4, 2, 2, { 0x44, 0x00 },
                  { 524, 17, 0, 27, 288, 12, 7, 8, 480, 272, 5, 1, 1 }, 0x05D0, 0, 480, 128, "" },
    BringUpCase { "Type3Board1PatchA", 3, 1, 2, { 0x00 },
                  { 548, 43, 0, 41, 292, 12, 0, 10, 480, 272, 5, 1, 1 }, 0x05D0, 'A', 480, 272, "" },
    BringUpCase { "Type12Board3PatchB", 12, 3, 2, { 0x44, 0x00 },
                  { 1344, 319, 12, 230, 635, 34, 12, 22, 1024, 600, 1, 1, 0 }, 0x05D0, 'B', 1024, 600, "" },
    BringUpCase { "Type12Board3Resistive", 12, 3, 1, { 0x44, 0x00 },
                  { 1344, 319, 12, 230, 635, 34, 12, 22, 1024, 600, 1, 1, 0 }, 0x8381, 0, 1024, 600, "" },
    BringUpCase { "Type11St7789v", 11, 2, 2, { 0x44, 0x00 },
                  { 298, 57, 38, 48, 336, 15, 8, 8, 240, 320, 6, 0, 1 }, 0x05D0, 0, 240, 320,
                  "Start ST7789V SPI Initialization\nSPI Initialization Finished\n" }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (DisplayOnSimulator, UnknownDisplayTypesDoNotTouchTheBridge)
{
    for (int type : { 0, 14 })
    {
        EXPECT_EQ (bringUp (type, 2, 2), 0u);
        EXPECT_EQ (printed, "Unknown display type\n");
    }

    EXPECT_EQ (controls.statistics().usbWrites, 0u);
}

TEST_F (DisplayOnSimulator, TypeFiveShowsASmallerAreaLowerDown)
{
    ASSERT_GT (bringUp (5, 2, 2), 1u);
    EXPECT_EQ (eve::displayHeight, 116);
    EXPECT_EQ (eve::displayOffsetY, 10);
}

struct SlowBootCase
{
    const char* name;
    int zeroReads;
    std::uint32_t result;
};

void PrintTo (const SlowBootCase& c, std::ostream* os)
{
    *os << c.name;
}

class SlowBoot : public DisplayOnSimulator, public testing::WithParamInterface<SlowBootCase> {};

TEST_P (SlowBoot, IsAwaitedForFiftyPolls)
{
    controls.setBootReads (GetParam().zeroReads);
    EXPECT_EQ (bringUp (4, 2, 2), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P (Polls, SlowBoot, testing::Values (
    SlowBootCase { "AnswersOnTheFiftiethPoll", 49, bt815ChipId },
    SlowBootCase { "NeverAnswers", 50, 1 }),
    [] (const auto& info) { return std::string (info.param.name); });

TEST_F (DisplayOnSimulator, ABridgeWithoutControllerIsNotDetected)
{
    ScopedEnvironment bareBridge ("FTD2XX_SIM_DEVICES", "FT232H");
    EXPECT_EQ (bringUp (4, 2, 2), 1u);
    EXPECT_EQ (printed, "channels found : 1\nUSB->SPI Bridge opened\n");
}

TEST_F (DisplayOnSimulator, NoDeviceMeansNoBridge)
{
    ScopedEnvironment none ("FTD2XX_SIM_DEVICES", nullptr);
    EXPECT_EQ (bringUp (4, 2, 2), 0u);
    EXPECT_EQ (printed, "channels found : 0\nUSB->SPI Bridge not found.");
}

TEST_F (DisplayOnSimulator, NoDriverLibraryMeansNoBridge)
{
    ftdi::setDriverLibraryPath (libraryWithoutD2xx());
    EXPECT_EQ (bringUp (4, 2, 2), 0u);
    ftdi::setDriverLibraryPath (nullptr);

    EXPECT_THAT (printed, HasSubstr ("Init_libMPSSE(): NULL expression encountered\n"));
    EXPECT_THAT (printed, testing::EndsWith ("channels found : 0\nUSB->SPI Bridge not found."));
}

} // namespace
