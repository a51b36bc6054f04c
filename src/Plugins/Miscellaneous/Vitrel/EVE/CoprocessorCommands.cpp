#include "CoprocessorCommands.h"

#include "CommandFifo.h"
#include "DisplayListWords.h"
#include "EveTransport.h"

#include <cstring>
#include <vector>

namespace vitrel::eve
{
namespace
{

constexpr std::uint32_t CMD_DLSTART = 0xFFFFFF00;
constexpr std::uint32_t CMD_SWAP = 0xFFFFFF01;
constexpr std::uint32_t CMD_FGCOLOR = 0xFFFFFF0A;
constexpr std::uint32_t CMD_TEXT = 0xFFFFFF0C;
constexpr std::uint32_t CMD_BUTTON = 0xFFFFFF0D;
constexpr std::uint32_t CMD_SETBITMAP = 0xFFFFFF43;

std::uint32_t pack (int low, int high)
{
    return (std::uint32_t (std::uint16_t (high)) << 16) | std::uint16_t (low);
}

/** The text's length as the co-processor's 16-bit string length sees it. */
std::uint16_t textLength (std::string_view text)
{
    return static_cast<std::uint16_t> (text.size() & 0xFFFF);
}

/** Sends the text four bytes to a word, little-endian, always ending with at least one zero byte. */
void sendTextWords (std::string_view text)
{
    const auto length = textLength (text);
    std::vector<std::uint32_t> words (length / 4u + 1u, 0u);

    for (std::size_t i = 0; i < length; ++i)
        words[i / 4] |= std::uint32_t (static_cast<std::uint8_t> (text[i])) << (8 * (i % 4));

    for (auto word : words)
        sendCommandWord (word);
}

} // namespace

void cmdText (int x, int y, std::uint16_t font, std::uint16_t options, std::string_view text)
{
    if (textLength (text) == 0)
        return;

    sendCommandWord (CMD_TEXT);
    sendCommandWord (pack (x, y));
    sendCommandWord (pack (font, options));
    sendTextWords (text);
}

void cmdButton (int x, int y, int w, int h, std::uint16_t font, std::uint16_t options, std::string_view text)
{
    if (textLength (text) == 0)
        return;

    sendCommandWord (CMD_BUTTON);
    sendCommandWord (pack (x, y));
    sendCommandWord (pack (w, h));
    sendCommandWord (pack (font, options));
    sendTextWords (text);
}

void cmdFgColor (std::uint32_t rgb)
{
    sendCommandWord (CMD_FGCOLOR);
    sendCommandWord (rgb);
}

void cmdSetBitmap (std::uint32_t address, std::uint16_t format, std::uint16_t width, std::uint16_t height)
{
    sendCommandWord (CMD_SETBITMAP);
    sendCommandWord (address);
    sendCommandWord (pack (format, width));
    sendCommandWord (height);
}

void startFrame()
{
    sendCommandWord (CMD_DLSTART);
}

void endFrame()
{
    sendCommandWord (dl::display());
    sendCommandWord (CMD_SWAP);
    updateFifo();
    waitFifoEmpty();
}

void showBlankFrame()
{
    startFrame();
    sendCommandWord (dl::clearColorRgb (0, 0, 0));
    sendCommandWord (dl::clear (true, true, true));
    endFrame();
    sleepMilliseconds (10);
}

} // namespace vitrel::eve
