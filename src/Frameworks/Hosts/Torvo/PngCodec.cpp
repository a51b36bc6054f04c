#include "CodedImageFormats.h"
#include "ImageCodecs.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace codedimages
{

namespace
{
    using graphics::reference::FloatImage;

    /** A png_image that frees libpng's working state however the decode ends. */
    struct PngImage : png_image
    {
        PngImage() : png_image()      { version = PNG_IMAGE_VERSION; }
        ~PngImage()                   { png_image_free (this); }

        juce::String getMessage() const     { return juce::String (message); }
    };

    juce::uint8 toEightBits (float value)
    {
        const auto clamped = value > 0.0f ? std::min (value, 1.0f) : 0.0f;
        return (juce::uint8) std::lround (clamped * 255.0f);
    }

    bool isOpaque (const FloatImage& image)
    {
        return std::all_of (image.getPixels().begin(), image.getPixels().end(), [] (auto& p) { return p.a >= 1.0f; });
    }

    std::vector<juce::uint8> toEightBitComponents (const FloatImage& image, int channels)
    {
        std::vector<juce::uint8> components;
        components.reserve (image.getPixels().size() * (size_t) channels);

        for (const auto& p : image.getPixels())
        {
            components.insert (components.end(), { toEightBits (p.r), toEightBits (p.g), toEightBits (p.b) });

            if (channels == 4)
                components.push_back (toEightBits (p.a));
        }

        return components;
    }
}

namespace codecs
{
    bool isPng (const juce::MemoryBlock& bytes)
    {
        return bytes.getSize() >= 8 && png_sig_cmp (static_cast<png_const_bytep> (bytes.getData()), 0, 8) == 0;
    }

    juce::Result decodePng (const juce::MemoryBlock& bytes, FloatImage& image)
    {
        PngImage png;

        if (! png_image_begin_read_from_memory (&png, bytes.getData(), bytes.getSize()))
            return juce::Result::fail ("not a readable PNG image (" + png.getMessage() + ")");

        const auto sized = checkSize (png.width, png.height);

        if (sized.failed())
            return sized;

        png.format = PNG_FORMAT_RGBA;
        std::vector<juce::uint8> rgba (PNG_IMAGE_SIZE (png));

        if (! png_image_finish_read (&png, nullptr, rgba.data(), 0, nullptr))
            return juce::Result::fail ("not a readable PNG image (" + png.getMessage() + ")");

        FloatImage decoded ((int) png.width, (int) png.height);

        for (int y = 0; y < decoded.getHeight(); ++y)
            setRowFromEightBits (decoded, y, rgba.data() + (size_t) y * PNG_IMAGE_ROW_STRIDE (png), 4);

        image = std::move (decoded);
        return juce::Result::ok();
    }
}

juce::Result encodePng (const FloatImage& image, juce::MemoryBlock& bytes)
{
    if (image.isEmpty())
        return juce::Result::fail ("the image is empty");

    PngImage png;
    const auto channels = isOpaque (image) ? 3 : 4;
    png.width = (png_uint_32) image.getWidth();
    png.height = (png_uint_32) image.getHeight();
    png.format = channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    const auto components = toEightBitComponents (image, channels);

    png_alloc_size_t size = 0;

    if (! png_image_write_get_memory_size (png, size, 0, components.data(), 0, nullptr))
        return juce::Result::fail ("the PNG encoder failed (" + png.getMessage() + ")");

    bytes.setSize (size);

    if (! png_image_write_to_memory (&png, bytes.getData(), &size, 0, components.data(), 0, nullptr))
        return juce::Result::fail ("the PNG encoder failed (" + png.getMessage() + ")");

    bytes.setSize (size);
    return juce::Result::ok();
}

} // namespace codedimages
