#include "BitmapImages.h"

#include "CommandFifo.h"
#include "CoprocessorCommands.h"
#include "DisplayListWords.h"
#include "EveRegisters.h"
#include "EveTransport.h"

#include <cstdio>

namespace vitrel::eve
{
namespace
{

constexpr std::uint32_t CMD_LOADIMAGE = 0xFFFFFF24;
constexpr std::uint32_t CMD_GETPROPS = 0xFFFFFF25;

/** The word the co-processor left in the ring, words after offset (the ring wraps). */
std::uint32_t ringWordAfter (std::uint16_t offset, std::uint32_t words)
{
    return rd32 (RAM_CMD + ((offset + 4 * words) & (RAM_CMD_SIZE - 1)));
}

/** An image lost to a co-processor fault: it draws as nothing and leaves its memory to the next image. */
std::uint32_t abandonImage (std::uint32_t address, BitmapRecord& record)
{
    std::printf ("Image not loaded: the co-processor faulted\n");
    record.address = address;
    record.format = BITMAP_FORMAT_ARGB4;
    record.width = 0;
    record.height = 0;
    return address;
}

} // namespace

std::uint32_t loadPngImage (std::uint32_t address, const std::uint8_t* png, std::uint32_t n, BitmapRecord& record)
{
    sendCommandWord (CMD_LOADIMAGE);
    sendCommandWord (address);
    sendCommandWord (0);

    if (! writeFifoBlock (png, n) || ! waitFifoEmpty())
        return abandonImage (address, record);

    // CMD_GETPROPS answers by overwriting its own three parameter words.
    const auto offset = fifoWriteOffset;
    sendCommandWord (CMD_GETPROPS);
    sendCommandWord (0);
    sendCommandWord (0);
    sendCommandWord (0);
    updateFifo();

    if (! waitFifoEmpty())
        return abandonImage (address, record);

    const auto endAddress = ringWordAfter (offset, 1);
    const auto width = ringWordAfter (offset, 2);
    const auto height = ringWordAfter (offset, 3);

    record.address = address;
    record.format = BITMAP_FORMAT_ARGB4;
    record.width = static_cast<std::uint16_t> (width);
    record.height = static_cast<std::uint16_t> (height);
    return endAddress;
}

void drawBitmap (const BitmapRecord& record, int x, int y)
{
    sendCommandWord (dl::bitmapHandle (record.handle & 0x1F));
    cmdSetBitmap (record.address, record.format, record.width, record.height);
    sendCommandWord (dl::vertexFormat (0));
    sendCommandWord (dl::begin (dl::Primitive::bitmaps));
    sendCommandWord (dl::vertex2f (x, y));
    sendCommandWord (dl::end());
}

} // namespace vitrel::eve
