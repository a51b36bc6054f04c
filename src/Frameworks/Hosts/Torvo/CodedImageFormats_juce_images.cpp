#include "CodedImageFormats.h"

#include <juce_graphics/juce_graphics.h>

#include <algorithm>

namespace codedimages
{

namespace
{
    using graphics::reference::FloatImage;

    juce::uint8 toEightBits (float value)
    {
        const auto clamped = value > 0.0f ? std::min (value, 1.0f) : 0.0f;
        return (juce::uint8) std::lround (clamped * 255.0f);
    }

    bool isOpaque (const FloatImage& image)
    {
        return std::all_of (image.getPixels().begin(), image.getPixels().end(), [] (auto& p) { return p.a >= 1.0f; });
    }

    FloatImage toFloatImage (const juce::Image& decoded)
    {
        FloatImage image (decoded.getWidth(), decoded.getHeight());
        const juce::Image::BitmapData pixels (decoded, juce::Image::BitmapData::readOnly);

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
            {
                const auto colour = pixels.getPixelColour (x, y);
                image.setPixel (x, y, { colour.getFloatRed(), colour.getFloatGreen(), colour.getFloatBlue(), colour.getFloatAlpha() });
            }

        return image;
    }

    juce::Image toJuceImage (const FloatImage& image)
    {
        juce::Image encoded (isOpaque (image) ? juce::Image::RGB : juce::Image::ARGB, image.getWidth(), image.getHeight(), false);
        juce::Image::BitmapData pixels (encoded, juce::Image::BitmapData::writeOnly);

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
            {
                const auto p = image.getPixel (x, y);
                pixels.setPixelColour (x, y, juce::Colour (toEightBits (p.r), toEightBits (p.g), toEightBits (p.b), toEightBits (p.a)));
            }

        return encoded;
    }
}

bool areSupported()
{
    return true;
}

juce::Result decode (const juce::MemoryBlock& bytes, FloatImage& image)
{
    const auto decoded = juce::ImageFileFormat::loadFrom (bytes.getData(), bytes.getSize());

    if (! decoded.isValid())
        return juce::Result::fail ("not a readable PNG or JPEG image");

    image = toFloatImage (decoded);
    return juce::Result::ok();
}

juce::Result encodePng (const FloatImage& image, juce::MemoryBlock& bytes)
{
    if (image.isEmpty())
        return juce::Result::fail ("the image is empty");

    juce::MemoryOutputStream out (bytes, false);
    juce::PNGImageFormat png;

    if (! png.writeImageToStream (toJuceImage (image), out))
        return juce::Result::fail ("the PNG encoder failed");

    return juce::Result::ok();
}

} // namespace codedimages
