#pragma once

#include "D2xxFunctions.h"

#include <cstdint>

// The display's side of the bridge: one channel, opened and configured for the
// display controller, and the byte primitives its transport is built from.
// Only the display thread uses these.

namespace vitrel
{

/** The display's open channel, null while none is open. */
extern FT_HANDLE bridgeHandle;

/** Opens the channel named by SPICHANNEL (default 0) at 1 MHz, mode 0, and pulses the controller's power-down line; false when no channel could be opened. */
bool openSpiBridge();

/** Closes the display's channel, if one is open. */
void closeSpiBridge();

/** Asserts the display's chip select. */
void spiSelect();

/** Releases the display's chip select. */
void spiDeselect();

/** Clocks one byte out to the display. */
void spiWriteByte (std::uint8_t byte);

/** Clocks n bytes out to the display. */
void spiWriteBytes (const std::uint8_t* bytes, std::uint32_t n);

/** Sends the dummy byte of a controller read, then clocks n bytes in. */
void spiReadBytes (std::uint8_t* bytes, std::uint32_t n);

} // namespace vitrel
