#include "EVE/CommandFifo.h"
#include "EVE/DisplayInit.h"
#include "EVE/EveRegisters.h"
#include "EVE/TouchPatches.h"
#include "SimulatedDisplay.h"
#include "TemporaryFolder.h"

#include <gmock/gmock.h>
#include <zlib.h>

#include <optional>

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

/** A stand-in touch program of the patch's size once inflated, distinct for A and B. */
std::vector<std::uint8_t> testProgram (char patch)
{
    std::vector<std::uint8_t> program (patch == 'A' ? 2032 : 1710);

    for (std::size_t i = 0; i < program.size(); ++i)
        program[i] = static_cast<std::uint8_t> ((i * 7 + static_cast<std::size_t> (patch)) ^ (i >> 5));

    return program;
}

/** The zlib stream of a test program, as the file the patch's variable names holds it. */
std::vector<std::uint8_t> compressed (const std::vector<std::uint8_t>& program)
{
    std::vector<std::uint8_t> stream (compressBound (static_cast<uLong> (program.size())));
    uLongf size = static_cast<uLongf> (stream.size());
    EXPECT_EQ (compress (stream.data(), &size, program.data(), static_cast<uLong> (program.size())), Z_OK);
    stream.resize (size);
    return stream;
}

/** Supplies a test touch program for a patch through its environment variable, for the scope's span. */
class SuppliedTouchProgram
{
public:
    explicit SuppliedTouchProgram (char patch)
        : program (testProgram (patch)), stream (compressed (program)),
          file (folder.get().getChildFile ("touch-program.zlib")),
          variable (eve::touchPatchVariable (patch == 'A' ? eve::TouchPatch::a : eve::TouchPatch::b),
                    file.getFullPathName())
    {
        file.replaceWithData (stream.data(), stream.size());
    }

    /** The whole patch's length in the FIFO: four framing commands and the padded stream. */
    std::uint32_t patchBytes() const      { return 56u + static_cast<std::uint32_t> ((stream.size() + 3) & ~std::size_t (3)); }

    const std::vector<std::uint8_t> program, stream;

private:
    TemporaryFolder folder;
    juce::File file;
    ScopedEnvironment variable;
};

TEST_P (BringUp, LeavesTheControllerRunningWithTheTypesTimingAndTouch)
{
    const auto& c = GetParam();
    std::optional<SuppliedTouchProgram> supplied;

    if (c.patch != 0)
        supplied.emplace (c.patch);

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
    const auto patchSize = supplied ? supplied->patchBytes() : 0u;
    EXPECT_EQ (eve::fifoWriteOffset, patchSize);
    EXPECT_EQ (reg16 (eve::REG_CMD_READ), patchSize);

    if (supplied)
    {
        const auto& program = supplied->program;
        EXPECT_EQ (controls.memory (eve::RAM_TOUCH_PATCH, static_cast<std::uint32_t> (program.size())), program);
        EXPECT_THAT (printed, testing::Not (HasSubstr ("skipped")));
    }
}

TEST (TouchPatchFraming, WrapsTheProgramInTheCommandsOfEachPatch)
{
    const std::vector<std::uint8_t> program { 0x78, 0x9C, 0x01, 0x02, 0x03 };
    const auto word = [] (const std::vector<std::uint8_t>& s, std::size_t i)
    {
        return static_cast<std::uint32_t> (s[4 * i] | (s[4 * i + 1] << 8) | (s[4 * i + 2] << 16))
             | (static_cast<std::uint32_t> (s[4 * i + 3]) << 24);
    };

    const auto a = eve::buildTouchPatch (eve::TouchPatch::a, program);
    ASSERT_EQ (a.size(), 16u + 8u + 8u + 16u + 16u);
    EXPECT_EQ ((std::vector<std::uint32_t> { word (a, 0), word (a, 1), word (a, 2), word (a, 3), word (a, 4),
                                             word (a, 5), word (a, 6), word (a, 7) }),
               (std::vector<std::uint32_t> { 0xFFFFFF1A, eve::REG_CPURESET, 4, 2, 0xFFFFFF22, 0x30B000,
                                             0x02019C78, 0x00000003 }));
    EXPECT_EQ ((std::vector<std::uint32_t> { word (a, 8), word (a, 9), word (a, 10), word (a, 11), word (a, 15) }),
               (std::vector<std::uint32_t> { 0xFFFFFF1A, eve::REG_TOUCH_OVERSAMPLE, 4, 15, 0 }));

    const auto b = eve::buildTouchPatch (eve::TouchPatch::b, program);
    ASSERT_EQ (b.size(), a.size());
    EXPECT_EQ ((std::vector<std::uint32_t> { word (b, 4), word (b, 5), word (b, 6), word (b, 7), word (b, 8),
                                             word (b, 9), word (b, 10), word (b, 15) }),
               (std::vector<std::uint32_t> { 0xFFFFFF1A, 0x30B000, 4, 0x352, 0xFFFFFF22, 0x30B000, 0x02019C78, 0 }));
}

struct MissingProgramCase
{
    const char* name;
    bool setVariable;
    std::size_t fileBytes;       // 0: no file at all
    const char* message;
};

void PrintTo (const MissingProgramCase& c, std::ostream* os)
{
    *os << c.name;
}

class MissingTouchProgram : public DisplayOnSimulator, public testing::WithParamInterface<MissingProgramCase> {};

// No placeholder program is ever streamed: without a real one the patch is skipped and touch still comes up.
TEST_P (MissingTouchProgram, SkipsThePatchWithAMessage)
{
    TemporaryFolder folder;
    const auto file = folder.get().getChildFile ("touch-program.zlib");

    if (GetParam().fileBytes > 0)
    {
        const std::vector<std::uint8_t> bytes (GetParam().fileBytes, 0x5A);
        file.replaceWithData (bytes.data(), bytes.size());
    }

    ScopedEnvironment variable ("VITREL_TOUCH_PATCH_A", GetParam().setVariable ? file.getFullPathName().toRawUTF8() : nullptr);
    ASSERT_EQ (bringUp (3, 1, 2), bt815ChipId);

    EXPECT_THAT (printed, HasSubstr (GetParam().message));
    EXPECT_EQ (eve::fifoWriteOffset, 0);
    EXPECT_EQ (controls.memory (eve::RAM_TOUCH_PATCH, 64), std::vector<std::uint8_t> (64, 0));
    EXPECT_EQ (controls.value (eve::REG_TOUCH_CONFIG, 2), 0x05D0u);
    EXPECT_EQ (controls.value (eve::REG_CPURESET, 1), 0u);
}

INSTANTIATE_TEST_SUITE_P (Programs, MissingTouchProgram, testing::Values (
    MissingProgramCase { "VariableUnset", false, 0,
                         "Touch patch A skipped: VITREL_TOUCH_PATCH_A names no touch-engine program\n" },
    MissingProgramCase { "NoSuchFile", true, 0,
                         "Touch patch A skipped: the file VITREL_TOUCH_PATCH_A names is missing, empty or larger than 16384 bytes\n" },
    MissingProgramCase { "FileTooLarge", true, 16385,
                         "Touch patch A skipped: the file VITREL_TOUCH_PATCH_A names is missing, empty or larger than 16384 bytes\n" }),
    [] (const auto& info) { return std::string (info.param.name); });

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
    int engineResetReads;        // reads of REG_CPURESET that still find the engines held after the boot
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
    controls.setEngineStartReads (GetParam().engineResetReads);
    EXPECT_EQ (bringUp (4, 2, 2), GetParam().result);
}

// RAM_G starts as zeros, as after the chip's power-up: only REG_CPURESET tells that the engines run.
INSTANTIATE_TEST_SUITE_P (Polls, SlowBoot, testing::Values (
    SlowBootCase { "AnswersOnTheFiftiethPoll", 49, 0, bt815ChipId },
    SlowBootCase { "NeverAnswers", 50, 0, 1 },
    SlowBootCase { "EnginesLeaveResetOnTheFiftiethPoll", 0, 49, bt815ChipId },
    SlowBootCase { "EnginesStayInReset", 0, 50, 1 }),
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
