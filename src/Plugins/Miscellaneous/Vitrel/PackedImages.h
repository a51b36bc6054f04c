#pragma once

#include <cstddef>
#include <vector>

namespace launcher
{

//==============================================================================
/** One page image as the library carries it: an LZ4 block that unpacks to a PNG file. */
struct PackedImage
{
    const char* attributeName;
    const unsigned char* block;
    std::size_t packedSize;
    std::size_t fullSize;
};

/** The embedded images, in the order MatrixOrbitalImages declares them (generated at build time). */
std::vector<PackedImage> getPackedImages();

} // namespace launcher
