#pragma once

#include <cstdint>

// Bring-up of the EVE display module, and the display state the pages and
// the display thread read afterwards.

namespace vitrel::eve
{

/** The visible width of the current display type in pixels. */
extern int displayWidth;

/** The visible height of the current display type in pixels. */
extern int displayHeight;

/** The visible area's horizontal offset (always 0). */
extern int displayOffsetX;

/** The visible area's vertical offset within the controller's active area. */
extern int displayOffsetY;

/** The touch type of the last bring-up: 1 resistive, 2 capacitive, anything else none. */
extern int touchType;

/**
    Brings the display from power-down to a running black screen: opens the
    bridge, wakes and checks the controller, programs the timing of
    displayType (1-13), sets up touch for boardVariant (1-3) and touch type,
    and starts the panel. 0 for an unknown type or no bridge, 1 when the
    controller does not answer, otherwise its chip identification word.
*/
std::uint32_t initDisplay (int displayType, int boardVariant, int touchTypeToUse);

/** Streams a touch-engine patch through the FIFO and restarts the touch engine with it; false, reported, when the co-processor faulted on it. */
bool loadTouchPatch (const std::uint8_t* bytes, std::uint32_t n);

} // namespace vitrel::eve
