#pragma once

#include <cstdint>

// Framed accesses to the EVE controller over the display's SPI bridge: each
// access is one chip-select window. Transfer statuses are not checked; the
// receive buffers start zeroed, so a read over a dead bridge yields 0.

namespace vitrel::eve
{

/** Sends a host command: cmd, 0x00, 0x00. */
void hostCommand (std::uint8_t cmd);

/** Writes one byte at address. */
void wr8 (std::uint32_t address, std::uint8_t value);

/** Writes 16 bits at address, least significant byte first. */
void wr16 (std::uint32_t address, std::uint16_t value);

/** Writes 32 bits at address, least significant byte first, as one burst with the address. */
void wr32 (std::uint32_t address, std::uint32_t value);

/** Reads one byte at address. */
std::uint8_t rd8 (std::uint32_t address);

/** Reads 16 bits at address. */
std::uint16_t rd16 (std::uint32_t address);

/** Reads 32 bits at address. */
std::uint32_t rd32 (std::uint32_t address);

/** Whether REG_ID answers 0x7C. */
bool isControllerPresent();

/** Sleeps the display thread. */
void sleepMilliseconds (int ms);

} // namespace vitrel::eve
