#pragma once

#include <cstdint>

// The ST7789V panel driver of display type 11, configured through its 3-wire
// serial port, which the controller's extended GPIO lines bit-bang: bit 1
// chip select (low = selected), bit 2 serial clock, bit 3 serial data; bit 15
// of REG_GPIOX is the display enable.

namespace vitrel::eve
{

/** Sets (on) or clears the given bits of REG_GPIOX's low byte by an 8-bit read and write. */
void setGpioxBits (std::uint8_t bits, bool on);

/** Clocks one 9-bit word into the panel: dc (0 command, 1 data), then byte from the most significant bit. */
void st7789vWrite (bool dc, std::uint8_t byte);

/** Drives the panel's chip select: level 0 selects it. */
void st7789vChipSelect (bool level);

/** Sends the panel's power-up command list. */
void initSt7789vPanel();

} // namespace vitrel::eve
