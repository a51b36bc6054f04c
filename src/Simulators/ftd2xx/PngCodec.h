#pragma once

#include "RgbaImage.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// PNG reading and writing over zlib, for the controller's image decoder and
// for the frames the simulator writes out.

namespace ftd2xxsim
{

/** What a PNG header says about the samples. */
struct PngHeader
{
    int width = 0, height = 0;
    int bitDepth = 0, colourType = 0, interlace = 0;
};

/**
    Decodes a PNG of 8-bit samples (grey, grey with alpha, RGB, RGBA or
    palette; not interlaced) into RGBA. On failure the result is false and
    error names the reason.
*/
bool decodePng (const std::uint8_t* bytes, std::size_t size, PngHeader& header, RgbaImage& image, std::string& error);

/** The length of the PNG that starts at bytes, once its IEND chunk is within size; 0 while it is not. */
std::size_t completePngLength (const std::uint8_t* bytes, std::size_t size) noexcept;

/** Encodes an RGBA image as a PNG of colour type 6. */
std::vector<std::uint8_t> encodePng (const RgbaImage& image);

} // namespace ftd2xxsim
