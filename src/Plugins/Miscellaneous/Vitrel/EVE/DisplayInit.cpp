#include "DisplayInit.h"

#include "CommandFifo.h"
#include "DisplayTimings.h"
#include "EveRegisters.h"
#include "EveTransport.h"
#include "ftdi_mpsse/SpiBridge.h"
#include "St7789vPanel.h"
#include "TouchPatches.h"

#include <cstdio>

namespace vitrel::eve
{

int displayWidth = 0;
int displayHeight = 0;
int displayOffsetX = 0;
int displayOffsetY = 0;
int touchType = 0;

namespace
{

constexpr std::uint8_t HOST_ACTIVE = 0x00, HOST_CLKEXT = 0x44;
constexpr int readinessPolls = 50;

/** Polls check up to 50 times, 5 ms apart after each failure. */
template <typename Check>
bool pollUntil (Check check)
{
    for (int i = 0; i < readinessPolls; ++i)
    {
        if (check())
            return true;

        sleepMilliseconds (5);
    }

    return false;
}

void storeDisplayState (const DisplayTiming& t, int touch)
{
    displayWidth = t.width;
    displayHeight = t.height;
    displayOffsetX = 0;
    displayOffsetY = t.offsetY;
    touchType = touch;
}

void wakeController (int boardVariant)
{
    // Boards above 1 clock the controller from an external crystal.
    if (boardVariant > 1)
        hostCommand (HOST_CLKEXT);

    hostCommand (HOST_ACTIVE);
    sleepMilliseconds (300);
}

void programTiming (const DisplayTiming& t)
{
    wr16 (REG_HCYCLE, t.hcycle);
    wr16 (REG_HOFFSET, t.hoffset);
    wr16 (REG_HSYNC0, t.hsync0);
    wr16 (REG_HSYNC1, t.hsync1);
    wr16 (REG_VCYCLE, t.vcycle);
    wr16 (REG_VOFFSET, t.voffset);
    wr16 (REG_VSYNC0, t.vsync0);
    wr16 (REG_VSYNC1, t.vsync1);
    wr8 (REG_SWIZZLE, 0);
    wr8 (REG_PCLK_POL, t.pclkPol);
    wr16 (REG_HSIZE, t.hsize);
    wr16 (REG_VSIZE, t.vsize);
    wr8 (REG_CSPREAD, t.cspread);
    wr8 (REG_DITHER, t.dither);
}

/** Loads a patch whose program is supplied; without one the touch engine runs unpatched. */
void loadTouchPatchFromEnvironment (TouchPatch patch)
{
    const auto program = readTouchProgram (patch);

    if (program.empty())
        return;

    const auto stream = buildTouchPatch (patch, program);
    loadTouchPatch (stream.data(), static_cast<std::uint32_t> (stream.size()));
}

void configureTouch (int displayType, int boardVariant, int touch)
{
    if (touch == 1)
    {
        wr16 (REG_TOUCH_CONFIG, 0x8381);
    }
    else if (touch == 2)
    {
        wr16 (REG_TOUCH_CONFIG, displayType == 8 ? 0x0480 : 0x05D0);

        if (boardVariant == 1)
            loadTouchPatchFromEnvironment (TouchPatch::a);
        else if (boardVariant == 3 && displayType == 12)
            loadTouchPatchFromEnvironment (TouchPatch::b);
    }

    wr16 (REG_TOUCH_RZTHRESH, 1200);
    wr8 (REG_TOUCH_MODE, 2);
    wr8 (REG_TOUCH_ADC_MODE, 1);
    wr8 (REG_TOUCH_OVERSAMPLE, 15);
}

void showFirstDisplayList()
{
    wr32 (RAM_DL, 0x02000000);       // CLEAR_COLOR_RGB(0, 0, 0)
    wr32 (RAM_DL + 4, 0x26000007);   // CLEAR(1, 1, 1)
    wr32 (RAM_DL + 8, 0x00000000);   // DISPLAY
    wr8 (REG_DLSWAP, 2);             // swap at the end of the frame
}

/** An 8-bit read-modify-write of a register. */
void changeBits8 (std::uint32_t address, std::uint8_t bits, bool on)
{
    const auto value = rd8 (address);
    wr8 (address, static_cast<std::uint8_t> (on ? value | bits : value & ~bits));
}

} // namespace

std::uint32_t initDisplay (int displayType, int boardVariant, int touchTypeToUse)
{
    const auto* timing = findDisplayTiming (displayType);

    if (timing == nullptr)
    {
        std::printf ("Unknown display type\n");
        return 0;
    }

    storeDisplayState (*timing, touchTypeToUse);

    if (! openSpiBridge())
        return 0;

    // The bridge's power-down pulse has reset the controller's FIFO pointers.
    fifoWriteOffset = 0;
    wakeController (boardVariant);

    // Once booted, the controller lets the co-processor, touch and audio engines
    // out of reset, and REG_CPURESET reads 0; RAM_G holds whatever it held.
    if (! pollUntil (isControllerPresent) || ! pollUntil ([] { return rd8 (REG_CPURESET) == 0; }))
        return 1;

    const auto id = rd32 (ROM_CHIPID);
    std::printf ("Chip ID = 0x%04x%04x\n", static_cast<unsigned> (id >> 16), static_cast<unsigned> (id & 0xFFFF));

    wr32 (REG_FREQUENCY, displayType == 9 ? 80'000'000u : 60'000'000u);

    // A co-processor that faulted before the start is reset silently.
    if (rd16 (REG_CMD_READ) == COPROCESSOR_FAULT)
        resetCoprocessor();

    wr16 (REG_GPIOX, static_cast<std::uint16_t> (rd16 (REG_GPIOX) & 0x7FFF));
    wr8 (REG_PCLK, 0);

    if (displayType == 11)
        initSt7789vPanel();

    programTiming (*timing);

    wr32 (REG_CPURESET, 2);
    sleepMilliseconds (10);
    wr32 (REG_CPURESET, 0);
    sleepMilliseconds (10);

    configureTouch (displayType, boardVariant, touchTypeToUse);

    wr16 (REG_GPIOX_DIR, 0xFFFF);
    wr16 (REG_GPIOX, displayType == 9 ? 0x80F7 : 0x80FF);
    wr16 (REG_PWM_HZ, 250);
    wr8 (REG_PWM_DUTY, 128);

    showFirstDisplayList();
    wr8 (REG_PCLK, timing->pclk);
    return id;
}

bool loadTouchPatch (const std::uint8_t* bytes, std::uint32_t n)
{
    // A patch cut short by a fault would leave half a program: the engine keeps running without it.
    bool streamed = writeFifoBlock (bytes, n);

    if (streamed)
    {
        updateFifo();
        streamed = waitFifoEmpty();
    }

    if (! streamed)
    {
        std::printf ("Touch patch not loaded: the co-processor faulted\n");
        return false;
    }

    wr8 (REG_CPURESET, 2);
    changeBits8 (REG_GPIOX_DIR, 0x08, true);
    changeBits8 (REG_GPIOX, 0xF7, true);
    sleepMilliseconds (1);
    wr8 (REG_CPURESET, 0);
    sleepMilliseconds (100);
    changeBits8 (REG_GPIOX_DIR, 0x08, false);
    return true;
}

} // namespace vitrel::eve
