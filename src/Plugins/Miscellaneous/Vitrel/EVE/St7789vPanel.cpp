#include "St7789vPanel.h"

#include "EveRegisters.h"
#include "EveTransport.h"

#include <cstdio>
#include <initializer_list>

namespace vitrel::eve
{
namespace
{

constexpr std::uint8_t chipSelectBit = 0x02, clockBit = 0x04, dataBit = 0x08;

struct PanelCommand
{
    std::uint8_t command;
    std::initializer_list<std::uint8_t> data;
};

const PanelCommand powerUpCommands[] = {
    { 0x36, { 0x00 } },                                   // memory access control
    { 0x3A, { 0x66 } },                                   // pixel format
    { 0xB0, { 0x12, 0x00 } },                             // RAM control
    { 0x21, {} },                                         // inversion on
    { 0xB2, { 0x0C, 0x0C, 0x00, 0x33, 0x33 } },           // porch setting
    { 0xB7, { 0x35 } },                                   // gate control
    { 0xBB, { 0x18 } },                                   // VCOM setting
    { 0xC0, { 0x2C } },                                   // LCM control
    { 0xC2, { 0x01, 0xFF } },                             // VDV and VRH enable
    { 0xC3, { 0x20 } },                                   // VRH set
    { 0xC4, { 0x20 } },                                   // VDV set
    { 0xC6, { 0x0F } },                                   // frame rate control
    { 0xD0, { 0xA4, 0xA1 } },                             // power control 1
    { 0xE0, { 0xD0, 0x08, 0x11, 0x08, 0x0C, 0x15, 0x39, 0x33, 0x50, 0x36, 0x13, 0x14, 0x29, 0x2D } },
    { 0xE1, { 0xD0, 0x08, 0x10, 0x08, 0x06, 0x06, 0x39, 0x44, 0x51, 0x0B, 0x16, 0x14, 0x2F, 0x31 } },
    { 0x29, {} },                                         // display on
};

void sendPanelCommand (std::uint8_t command, std::initializer_list<std::uint8_t> data)
{
    st7789vChipSelect (false);
    st7789vWrite (false, command);

    for (auto byte : data)
        st7789vWrite (true, byte);

    st7789vChipSelect (true);
}

void clockOutBit (bool bit)
{
    setGpioxBits (clockBit, false);
    setGpioxBits (dataBit, bit);
    setGpioxBits (clockBit, true);
}

} // namespace

void setGpioxBits (std::uint8_t bits, bool on)
{
    const auto value = rd8 (REG_GPIOX);
    wr8 (REG_GPIOX, static_cast<std::uint8_t> (on ? value | bits : value & ~bits));
}

void st7789vWrite (bool dc, std::uint8_t byte)
{
    wr16 (REG_GPIOX_DIR, 0x80FF);
    wr16 (REG_GPIOX, 0x80F0);
    clockOutBit (dc);

    for (int bit = 7; bit >= 0; --bit)
        clockOutBit (((byte >> bit) & 1) != 0);

    setGpioxBits (clockBit, false);
}

void st7789vChipSelect (bool level)
{
    wr16 (REG_GPIOX_DIR, 0x00F7);
    setGpioxBits (chipSelectBit, level);
}

void initSt7789vPanel()
{
    std::printf ("Start ST7789V SPI Initialization\n");
    wr16 (REG_GPIOX_DIR, 0x00FF);
    wr16 (REG_GPIOX, 0x00F7);
    sleepMilliseconds (100);

    // Sleep out needs 120 ms before the panel takes the next command.
    sendPanelCommand (0x11, {});
    sleepMilliseconds (120);

    for (const auto& c : powerUpCommands)
        sendPanelCommand (c.command, c.data);

    std::printf ("SPI Initialization Finished\n");
}

} // namespace vitrel::eve
