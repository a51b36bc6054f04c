#pragma once

#include <cstdint>
#include <vector>

namespace ftd2xxsim
{

/** An image of 8-bit red, green, blue and alpha samples, rows top to bottom. */
struct RgbaImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;   ///< width * height * 4 bytes

    /** The four samples of pixel (x, y). */
    std::uint8_t* at (int x, int y) noexcept       { return pixels.data() + 4 * (static_cast<std::size_t> (y) * width + x); }

    /** The four samples of pixel (x, y). */
    const std::uint8_t* at (int x, int y) const noexcept { return pixels.data() + 4 * (static_cast<std::size_t> (y) * width + x); }
};

} // namespace ftd2xxsim
