#pragma once

#include <cstdint>
#include <string_view>

// The co-processor commands the display draws with. Each only fills the FIFO;
// endFrame publishes and waits. Coordinates, sizes, fonts and options travel
// as 16-bit fields.

namespace vitrel::eve
{

/** CMD_TEXT and CMD_BUTTON option: centre horizontally and vertically. */
constexpr std::uint16_t OPT_CENTER = 0x0600;

/** CMD_BUTTON option: no 3D effect. */
constexpr std::uint16_t OPT_FLAT = 0x0100;

/** Draws text at (x, y) in a ROM font; an empty text sends nothing at all. */
void cmdText (int x, int y, std::uint16_t font, std::uint16_t options, std::string_view text);

/** Draws a button of w x h at (x, y) with its label; an empty label sends nothing at all. */
void cmdButton (int x, int y, int w, int h, std::uint16_t font, std::uint16_t options, std::string_view text);

/** Sets the foreground (button) colour, 0x00RRGGBB. */
void cmdFgColor (std::uint32_t rgb);

/** Points the current bitmap handle at an image in RAM_G. */
void cmdSetBitmap (std::uint32_t address, std::uint16_t format, std::uint16_t width, std::uint16_t height);

/** Starts a new display list (CMD_DLSTART). */
void startFrame();

/** Ends the list, swaps it in, publishes the FIFO and waits until the co-processor is done. */
void endFrame();

/** Shows a black frame and gives the panel 10 ms. */
void showBlankFrame();

} // namespace vitrel::eve
