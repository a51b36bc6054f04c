#include "PngCodec.h"

#include <zlib.h>

#include <array>
#include <cstdlib>
#include <cstring>

namespace ftd2xxsim
{
namespace
{

constexpr std::uint8_t signature[8] = { 0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A };

std::uint32_t bigEndian (const std::uint8_t* p) noexcept
{
    return (std::uint32_t (p[0]) << 24) | (std::uint32_t (p[1]) << 16) | (std::uint32_t (p[2]) << 8) | p[3];
}

void appendBigEndian (std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back (static_cast<std::uint8_t> (value >> shift));
}

int samplesPerPixel (int colourType) noexcept
{
    switch (colourType)
    {
        case 0: return 1;
        case 2: return 3;
        case 3: return 1;
        case 4: return 2;
        case 6: return 4;
        default: return 0;
    }
}

int paeth (int a, int b, int c) noexcept
{
    const int p = a + b - c, pa = std::abs (p - a), pb = std::abs (p - b), pc = std::abs (p - c);
    return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
}

/** Undoes the per-row filters in place; false for an unknown filter type. */
bool unfilter (std::vector<std::uint8_t>& data, int rowBytes, int height, int pixelBytes)
{
    std::vector<std::uint8_t> previous (static_cast<std::size_t> (rowBytes), 0);

    for (int y = 0; y < height; ++y)
    {
        auto* row = data.data() + static_cast<std::size_t> (y) * (rowBytes + 1);
        const int filter = row[0];
        auto* line = row + 1;

        for (int i = 0; i < rowBytes; ++i)
        {
            const int a = i >= pixelBytes ? line[i - pixelBytes] : 0, b = previous[static_cast<std::size_t> (i)];
            const int c = i >= pixelBytes ? previous[static_cast<std::size_t> (i - pixelBytes)] : 0;

            switch (filter)
            {
                case 0: break;
                case 1: line[i] = static_cast<std::uint8_t> (line[i] + a); break;
                case 2: line[i] = static_cast<std::uint8_t> (line[i] + b); break;
                case 3: line[i] = static_cast<std::uint8_t> (line[i] + (a + b) / 2); break;
                case 4: line[i] = static_cast<std::uint8_t> (line[i] + paeth (a, b, c)); break;
                default: return false;
            }
        }

        std::memcpy (previous.data(), line, static_cast<std::size_t> (rowBytes));
    }

    return true;
}

bool inflateAll (const std::vector<std::uint8_t>& compressed, std::vector<std::uint8_t>& out)
{
    uLongf length = static_cast<uLongf> (out.size());
    return uncompress (out.data(), &length, compressed.data(), static_cast<uLong> (compressed.size())) == Z_OK
        && length == out.size();
}

struct Chunks
{
    PngHeader header;
    std::vector<std::uint8_t> imageData, palette, transparency;
};

bool readChunks (const std::uint8_t* bytes, std::size_t size, Chunks& chunks, std::string& error)
{
    if (size < 8 || std::memcmp (bytes, signature, 8) != 0)
        return (error = "not a PNG"), false;

    for (std::size_t at = 8; at + 12 <= size;)
    {
        const auto length = bigEndian (bytes + at);
        const auto* type = bytes + at + 4;
        const auto* data = bytes + at + 8;

        if (length > size - at - 12)
            break;

        if (std::memcmp (type, "IHDR", 4) == 0 && length >= 13)
            chunks.header = { int (bigEndian (data)), int (bigEndian (data + 4)), data[8], data[9], data[12] };
        else if (std::memcmp (type, "PLTE", 4) == 0)
            chunks.palette.assign (data, data + length);
        else if (std::memcmp (type, "tRNS", 4) == 0)
            chunks.transparency.assign (data, data + length);
        else if (std::memcmp (type, "IDAT", 4) == 0)
            chunks.imageData.insert (chunks.imageData.end(), data, data + length);
        else if (std::memcmp (type, "IEND", 4) == 0)
            return true;

        at += 12 + length;
    }

    return (error = "truncated PNG"), false;
}

std::array<std::uint8_t, 4> pixelOf (const Chunks& c, const std::uint8_t* s)
{
    switch (c.header.colourType)
    {
        case 0: return { s[0], s[0], s[0], 255 };
        case 2: return { s[0], s[1], s[2], 255 };
        case 4: return { s[0], s[0], s[0], s[1] };
        case 6: return { s[0], s[1], s[2], s[3] };
        default: break;
    }

    const std::size_t i = s[0];
    const auto alpha = i < c.transparency.size() ? c.transparency[i] : std::uint8_t (255);

    if (3 * i + 2 >= c.palette.size())
        return { 0, 0, 0, alpha };

    return { c.palette[3 * i], c.palette[3 * i + 1], c.palette[3 * i + 2], alpha };
}

void appendChunk (std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    appendBigEndian (out, static_cast<std::uint32_t> (data.size()));
    const auto start = out.size();
    out.insert (out.end(), type, type + 4);
    out.insert (out.end(), data.begin(), data.end());
    appendBigEndian (out, static_cast<std::uint32_t> (crc32 (0, out.data() + start, static_cast<uInt> (out.size() - start))));
}

} // namespace

bool decodePng (const std::uint8_t* bytes, std::size_t size, PngHeader& header, RgbaImage& image, std::string& error)
{
    Chunks chunks;

    if (! readChunks (bytes, size, chunks, error))
        return false;

    header = chunks.header;
    const int samples = samplesPerPixel (header.colourType);

    if (header.width <= 0 || header.height <= 0 || header.width > 4096 || header.height > 4096)
        return (error = "bad PNG size"), false;

    if (samples == 0 || header.bitDepth != 8 || header.interlace != 0)
        return (error = "unsupported PNG format"), false;

    const int rowBytes = header.width * samples;
    std::vector<std::uint8_t> raw (static_cast<std::size_t> (rowBytes + 1) * header.height);

    if (! inflateAll (chunks.imageData, raw) || ! unfilter (raw, rowBytes, header.height, samples))
        return (error = "corrupted PNG data"), false;

    image.width = header.width;
    image.height = header.height;
    image.pixels.resize (static_cast<std::size_t> (header.width) * header.height * 4);

    for (int y = 0; y < header.height; ++y)
        for (int x = 0; x < header.width; ++x)
        {
            const auto pixel = pixelOf (chunks, raw.data() + static_cast<std::size_t> (y) * (rowBytes + 1) + 1 + x * samples);
            std::memcpy (image.at (x, y), pixel.data(), 4);
        }

    return true;
}

std::size_t completePngLength (const std::uint8_t* bytes, std::size_t size) noexcept
{
    if (size < 8)
        return 0;

    for (std::size_t at = 8; at + 12 <= size;)
    {
        const std::size_t length = bigEndian (bytes + at);

        if (std::memcmp (bytes + at + 4, "IEND", 4) == 0)
            return at + 12 + length <= size ? at + 12 + length : 0;

        at += 12 + length;
    }

    return 0;
}

std::vector<std::uint8_t> encodePng (const RgbaImage& image)
{
    const std::size_t rowBytes = static_cast<std::size_t> (image.width) * 4;
    std::vector<std::uint8_t> raw;
    raw.reserve ((rowBytes + 1) * image.height);

    for (int y = 0; y < image.height; ++y)
    {
        raw.push_back (0);
        raw.insert (raw.end(), image.at (0, y), image.at (0, y) + rowBytes);
    }

    uLongf compressedSize = compressBound (static_cast<uLong> (raw.size()));
    std::vector<std::uint8_t> compressed (compressedSize);
    compress2 (compressed.data(), &compressedSize, raw.data(), static_cast<uLong> (raw.size()), 6);
    compressed.resize (compressedSize);

    std::vector<std::uint8_t> header;
    appendBigEndian (header, static_cast<std::uint32_t> (image.width));
    appendBigEndian (header, static_cast<std::uint32_t> (image.height));
    header.insert (header.end(), { 8, 6, 0, 0, 0 });

    std::vector<std::uint8_t> out (std::begin (signature), std::end (signature));
    appendChunk (out, "IHDR", header);
    appendChunk (out, "IDAT", compressed);
    appendChunk (out, "IEND", {});
    return out;
}

} // namespace ftd2xxsim
