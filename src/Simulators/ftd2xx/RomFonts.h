#pragma once

#include <cstdint>

namespace ftd2xxsim
{

/** The size a ROM font's glyphs take: the maker's published line height and widest advance. */
struct RomFontMetrics
{
    int height;
    int advance;
};

/** Whether handle is one of the ROM fonts 16-31. */
constexpr bool isRomFont (std::uint32_t font) noexcept   { return font >= 16 && font <= 31; }

/** The metrics of ROM font 16-31. */
RomFontMetrics romFontMetrics (std::uint32_t font) noexcept;

/**
    Whether the built-in stand-in glyph of character c covers the point (u, v)
    of its cell, u and v in 0..1 from the cell's top-left corner. The glyphs
    stand in for the ROM fonts' artwork, stretched to each font's metrics.
*/
bool glyphCovers (std::uint8_t c, double u, double v) noexcept;

} // namespace ftd2xxsim
