#pragma once

#include "Bt815Memory.h"
#include "RgbaImage.h"

#include <cstdint>
#include <vector>

namespace ftd2xxsim
{

/** What the graphics engine produced from one display list: the pixels and the tag buffer. */
struct RenderedFrame
{
    RgbaImage image;
    std::vector<std::uint8_t> tags;   ///< one tag per pixel

    /** The tag under (x, y), 0 outside the frame. */
    std::uint8_t tagAt (int x, int y) const noexcept;
};

/**
    Runs the display list in RAM_DL the way the graphics engine would for a
    width x height panel: CLEAR with its colour and tag, COLOR_RGB, COLOR_A,
    COLOR_MASK, TAG and TAG_MASK, POINT_SIZE and LINE_WIDTH, the graphics
    context stack, bitmap handles with their source, layout and size, and the
    primitives BITMAPS, POINTS, LINES and RECTS from VERTEX2F and VERTEX2II,
    blended source-over. Bitmaps in ARGB4, RGB565, ARGB1555 and L8 are drawn
    from RAM_G; the ROM fonts (handles 16-31) are drawn with built-in glyphs
    at the fonts' metrics. Pixels are covered by their centres, without
    anti-aliasing.
*/
RenderedFrame renderDisplayList (const Bt815Memory& memory, int width, int height);

} // namespace ftd2xxsim
