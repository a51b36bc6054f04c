#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <functional>

namespace
{

// A 32 x 24 picture of flat 8 x 8 blocks, each its own colour, so that even a
// lossy codec gives every block's middle back nearly unchanged.
juce::Colour blockColour (int x, int y)
{
    const auto bx = x / 8, by = y / 8;
    return juce::Colour ((juce::uint8) (bx * 80), (juce::uint8) (by * 110), (juce::uint8) (255 - bx * 40 - by * 30));
}

juce::Image blockPicture()
{
    juce::Image image (juce::Image::RGB, 32, 24, false);
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            image.setPixelAt (x, y, blockColour (x, y));
    return image;
}

juce::MemoryBlock encode (juce::ImageFileFormat& format, const juce::Image& image)
{
    juce::MemoryOutputStream out;
    EXPECT_TRUE (format.writeImageToStream (image, out));
    return out.getMemoryBlock();
}

struct Codec
{
    const char* name;
    std::function<std::unique_ptr<juce::ImageFileFormat>()> make;
    int tolerance; // per channel, at each block's middle
};

class ImageFormat : public testing::TestWithParam<Codec>
{
};

int channelDistance (juce::Colour a, juce::Colour b)
{
    return std::max ({ std::abs ((int) a.getRed() - (int) b.getRed()),
                       std::abs ((int) a.getGreen() - (int) b.getGreen()),
                       std::abs ((int) a.getBlue() - (int) b.getBlue()) });
}

} // namespace

//==============================================================================
TEST_P (ImageFormat, GivesBackTheColoursItWasGiven)
{
    const auto format = GetParam().make();
    const auto data = encode (*format, blockPicture());
    ASSERT_GT (data.getSize(), 0u);

    juce::MemoryInputStream in (data, false);
    ASSERT_TRUE (format->canUnderstand (in)) << "the codec does not recognise its own output";

    // Decoded through the format detection, as a file of unknown kind would be.
    const auto decoded = juce::ImageFileFormat::loadFrom (data.getData(), data.getSize());
    ASSERT_TRUE (decoded.isValid());
    ASSERT_EQ (decoded.getWidth(), 32);
    ASSERT_EQ (decoded.getHeight(), 24);

    for (int y = 4; y < 24; y += 8)
        for (int x = 4; x < 32; x += 8)
            EXPECT_LE (channelDistance (decoded.getPixelAt (x, y), blockColour (x, y)), GetParam().tolerance)
                << "block at " << x << ", " << y << ": " << decoded.getPixelAt (x, y).toString()
                << " instead of " << blockColour (x, y).toString();
}

INSTANTIATE_TEST_SUITE_P (Codecs, ImageFormat,
    testing::Values (
        Codec { "PNG", [] { return std::make_unique<juce::PNGImageFormat>(); }, 0 },
        Codec { "JPEG", [] {
            auto jpeg = std::make_unique<juce::JPEGImageFormat>();
            jpeg->setQuality (0.95f);
            return jpeg; }, 6 }),
    [] (const testing::TestParamInfo<Codec>& info) { return std::string (info.param.name); });

TEST (PngImageFormat, KeepsTransparency)
{
    juce::Image image (juce::Image::ARGB, 4, 1, true);
    image.setPixelAt (1, 0, juce::Colours::red.withAlpha ((juce::uint8) 255));
    image.setPixelAt (2, 0, juce::Colours::white.withAlpha ((juce::uint8) 128));

    juce::PNGImageFormat png;
    const auto data = encode (png, image);
    const auto decoded = juce::ImageFileFormat::loadFrom (data.getData(), data.getSize());

    ASSERT_TRUE (decoded.hasAlphaChannel());
    EXPECT_EQ (decoded.getPixelAt (0, 0).getAlpha(), 0);
    EXPECT_EQ (decoded.getPixelAt (1, 0), juce::Colours::red);
    EXPECT_NEAR (decoded.getPixelAt (2, 0).getAlpha(), 128, 1);
    EXPECT_GE (decoded.getPixelAt (2, 0).getRed(), 250);
}

// Only JPEG: Debian's JUCE returns from libpng's error callback instead of
// jumping out of the decoder, so a damaged PNG crashes the reader.
TEST (JpegImageFormat, RefusesACutOffFile)
{
    juce::JPEGImageFormat jpeg;
    const auto data = encode (jpeg, blockPicture());

    // The signature survives, the frame header does not.
    juce::MemoryInputStream in (data.getData(), 12, false);
    EXPECT_FALSE (jpeg.decodeImage (in).isValid());
}

TEST (ImageFileFormats, RecogniseNoImageInOtherData)
{
    const char text[] = "This is a state text, not a picture.";
    EXPECT_FALSE (juce::ImageFileFormat::loadFrom (text, sizeof (text)).isValid());
}
