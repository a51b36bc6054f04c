#pragma once

#include "EVE/BitmapImages.h"

#include <cstddef>
#include <cstdint>

namespace tav { class Class; }

namespace launcher
{

/**
    Has the controller decode the image imageAttributeNames[index] of
    imagesClass into RAM_G at address, as record's bitmap handle index; the
    result is the first free address after it. A missing image (or a missing
    class) is reported and, like a picture the controller cannot decode,
    leaves an empty record and the address where it was.
*/
std::uint32_t loadPageImage (const tav::Class* imagesClass, std::size_t index, std::uint32_t address,
                             vitrel::eve::BitmapRecord& record);

} // namespace launcher
