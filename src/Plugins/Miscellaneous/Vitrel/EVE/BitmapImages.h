#pragma once

#include <cstdint>

// Images decoded by the co-processor into RAM_G and drawn from there.

namespace vitrel::eve
{

/** ARGB4, the format Vitrel's images are decoded to. */
constexpr std::uint16_t BITMAP_FORMAT_ARGB4 = 6;

/** One decoded image in controller memory. */
struct BitmapRecord
{
    std::uint32_t handle;   ///< the bitmap handle (0-31) it is drawn through
    std::uint32_t address;  ///< RAM_G address of its pixels
    std::uint16_t format;   ///< controller bitmap format
    std::uint16_t width;
    std::uint16_t height;
};

/**
    Has the co-processor decode n bytes of PNG into RAM_G at address and asks
    it for the result. record keeps its handle and receives the address,
    format and size; the result is the first free address after the image.
    When the co-processor faults on the way, the rest of the image is
    abandoned and reported: the record gets a size of 0 (it draws nothing)
    and the result is address itself.
*/
std::uint32_t loadPngImage (std::uint32_t address, const std::uint8_t* png, std::uint32_t n, BitmapRecord& record);

/** Draws the image with its top-left corner at (x, y) in whole pixels. */
void drawBitmap (const BitmapRecord& record, int x, int y);

} // namespace vitrel::eve
