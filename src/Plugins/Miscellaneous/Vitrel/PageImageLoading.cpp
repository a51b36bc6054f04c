#include "PageImageLoading.h"
#include "MatrixOrbitalImages.h"

#include "EVE/CommandFifo.h"

#include <tavcore/Class.h>

#include <cstdio>

namespace launcher
{

namespace eve = vitrel::eve;

namespace
{
    // RAM_G's size: an end address beyond it is the answer of a controller that failed the image.
    constexpr std::uint32_t graphicsMemorySize = 1024 * 1024;
}

std::uint32_t loadPageImage (const tav::Class* imagesClass, std::size_t index, std::uint32_t address,
                             eve::BitmapRecord& record)
{
    record = { static_cast<std::uint32_t> (index), address, eve::BITMAP_FORMAT_ARGB4, 0, 0 };
    const auto* name = imageAttributeNames[index];
    const auto png = imagesClass != nullptr ? imagesClass->getBufferAttribute (name, nullptr)
                                            : tav::Class::BufferAttribute {};

    if (png.data == nullptr)
    {
        std::printf ("ERROR: image %s not found.\n", name);
        return address;
    }

    const auto end = eve::loadPngImage (address, static_cast<const std::uint8_t*> (png.data),
                                        static_cast<std::uint32_t> (png.size), record);

    // A picture the controller could not decode leaves no size and no end to trust.
    if (end > address && end <= graphicsMemorySize && record.width > 0 && record.height > 0)
        return end;

    // A picture the co-processor cannot find the end of keeps it waiting for
    // more image data, and it would swallow the next image as the rest of
    // this one: a reset sends it back to reading commands.
    std::printf ("ERROR: image %s could not be decoded.\n", name);
    eve::resetCoprocessor();
    eve::fifoWriteOffset = 0;
    record.width = record.height = 0;
    return address;
}

} // namespace launcher
