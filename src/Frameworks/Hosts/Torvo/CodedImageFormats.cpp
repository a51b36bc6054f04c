#include "CodedImageFormats.h"

#include "ImageCodecs.h"

namespace codedimages
{

juce::Result decode (const juce::MemoryBlock& bytes, graphics::reference::FloatImage& image)
{
    if (codecs::isPng (bytes))
        return codecs::decodePng (bytes, image);

    if (codecs::isJpeg (bytes))
        return codecs::decodeJpeg (bytes, image);

    return juce::Result::fail ("not a PNG or JPEG image");
}

namespace codecs
{
    juce::Result checkSize (juce::uint64 width, juce::uint64 height)
    {
        if (width == 0 || height == 0 || width * height > maxPixels)
            return juce::Result::fail ("the image's size (" + juce::String (width) + " x " + juce::String (height)
                                       + ") is empty or above the limit of " + juce::String (maxPixels) + " pixels");

        return juce::Result::ok();
    }

    void setRowFromEightBits (graphics::reference::FloatImage& image, int y, const juce::uint8* components, int channels)
    {
        const auto toFloat = [] (juce::uint8 value) { return (float) value / 255.0f; };

        for (int x = 0; x < image.getWidth(); ++x, components += channels)
            image.setPixel (x, y, { toFloat (components[0]), toFloat (components[1]), toFloat (components[2]),
                                    channels == 4 ? toFloat (components[3]) : 1.0f });
    }
}

} // namespace codedimages
