#pragma once

#include <cstdint>

// Display-list words in the controller's published encoding: the opcode in the
// top byte, the fields below it. The display layer sends them through the
// co-processor FIFO between the start and the end of a frame.

namespace vitrel::eve::dl
{

/** Primitives for BEGIN. */
enum class Primitive : std::uint32_t
{
    bitmaps = 1,
    points = 2,
    lines = 3
};

/** DISPLAY: the end of the list. */
constexpr std::uint32_t display() noexcept                     { return 0x00000000; }

/** CLEAR_COLOR_RGB. */
constexpr std::uint32_t clearColorRgb (std::uint8_t r, std::uint8_t g, std::uint8_t b) noexcept
{
    return 0x02000000u | (std::uint32_t (r) << 16) | (std::uint32_t (g) << 8) | b;
}

/** CLEAR of the colour, stencil and tag buffers as selected. */
constexpr std::uint32_t clear (bool colour, bool stencil, bool tag) noexcept
{
    return 0x26000000u | (colour ? 4u : 0u) | (stencil ? 2u : 0u) | (tag ? 1u : 0u);
}

/** VERTEX_FORMAT: the number of fraction bits of VERTEX2F coordinates. */
constexpr std::uint32_t vertexFormat (std::uint32_t fractionBits) noexcept { return 0x27000000u | (fractionBits & 7); }

/** BITMAP_HANDLE, 0-31. */
constexpr std::uint32_t bitmapHandle (std::uint32_t handle) noexcept { return 0x05000000u | (handle & 0x1F); }

/** BEGIN of a primitive. */
constexpr std::uint32_t begin (Primitive p) noexcept           { return 0x1F000000u | static_cast<std::uint32_t> (p); }

/** END of the primitive. */
constexpr std::uint32_t end() noexcept                         { return 0x21000000u; }

/** VERTEX2F: 15-bit two's-complement coordinates in VERTEX_FORMAT units. */
constexpr std::uint32_t vertex2f (int x, int y) noexcept
{
    return 0x40000000u | ((std::uint32_t (x) & 0x7FFF) << 15) | (std::uint32_t (y) & 0x7FFF);
}

/** VERTEX2II with handle 0 and cell 0: 9-bit whole-pixel coordinates. */
constexpr std::uint32_t vertex2ii (std::uint32_t x, std::uint32_t y) noexcept
{
    return 0x80000000u | ((x & 0x1FF) << 21) | ((y & 0x1FF) << 12);
}

/** TAG: the value the tag buffer takes under what follows. */
constexpr std::uint32_t tag (std::uint8_t t) noexcept          { return 0x03000000u | t; }

/** TAG_MASK: whether what follows writes the tag buffer. */
constexpr std::uint32_t tagMask (bool m) noexcept              { return 0x14000000u | (m ? 1u : 0u); }

/** COLOR_RGB. */
constexpr std::uint32_t colorRgb (std::uint8_t r, std::uint8_t g, std::uint8_t b) noexcept
{
    return 0x04000000u | (std::uint32_t (r) << 16) | (std::uint32_t (g) << 8) | b;
}

/** COLOR_A. */
constexpr std::uint32_t colorA (std::uint8_t a) noexcept       { return 0x10000000u | a; }

/** COLOR_MASK: red, green, blue, alpha from bit 3 down. */
constexpr std::uint32_t colorMask (bool r, bool g, bool b, bool a) noexcept
{
    return 0x20000000u | (r ? 8u : 0u) | (g ? 4u : 0u) | (b ? 2u : 0u) | (a ? 1u : 0u);
}

/** POINT_SIZE: the radius in 1/16 pixel. */
constexpr std::uint32_t pointSize (std::uint32_t sixteenths) noexcept { return 0x0D000000u | (sixteenths & 0x1FFF); }

/** LINE_WIDTH in 1/16 pixel. */
constexpr std::uint32_t lineWidth (std::uint32_t sixteenths) noexcept { return 0x0E000000u | (sixteenths & 0xFFF); }

} // namespace vitrel::eve::dl
