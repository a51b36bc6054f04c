#pragma once

#include <cstdint>

namespace vitrel::eve
{

/** One supported display type: the panel timing and the visible area. */
struct DisplayTiming
{
    std::uint16_t hsize, vsize;                       ///< the controller's active area
    std::uint16_t hcycle, hoffset, hsync0, hsync1;
    std::uint16_t vcycle, voffset, vsync0, vsync1;
    std::uint8_t pclk, pclkPol, cspread, dither;
    std::uint16_t width, height, offsetY;             ///< the visible area within it
};

/** The timing of display type 1-13, or null for any other type. */
const DisplayTiming* findDisplayTiming (int displayType) noexcept;

} // namespace vitrel::eve
