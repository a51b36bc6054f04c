#include <ImageFiles.h>
#include <TemporaryFolder.h>
#include <gtest/gtest.h>

#include <cmath>

using graphics::reference::FloatImage;
using graphics::reference::Rgba;

namespace
{
    // four-colours.png is written by a small independent encoder (zlib and
    // the PNG chunk layout): 2 × 2, 8-bit RGB, red, (0, 128, 255) on top,
    // (10, 20, 30), white below. orange.jpg is 16 × 16 of (200, 100, 50),
    // written by cjpeg at quality 100.
    juce::File fixture (const char* name)
    {
        return juce::File (TORVO_HOST_TEST_FIXTURES).getChildFile (name);
    }

    Rgba eightBit (int r, int g, int b, int a = 255)
    {
        return { (float) r / 255.0f, (float) g / 255.0f, (float) b / 255.0f, (float) a / 255.0f };
    }

    /** A copy of a fixture with its last bytes cut off. */
    juce::File truncatedCopy (const TemporaryFolder& folder, const char* name, size_t bytesCut)
    {
        juce::MemoryBlock bytes;
        fixture (name).loadFileAsData (bytes);
        bytes.setSize (bytes.getSize() - bytesCut);
        const auto copy = folder.get().getChildFile (juce::String ("cut-") + name);
        copy.replaceWithData (bytes.getData(), bytes.getSize());
        return copy;
    }

    juce::String readError (const juce::File& file)
    {
        FloatImage image;
        return imagefiles::read (file, image).getErrorMessage();
    }
}

TEST (PngImageFiles, AreReadAsTheirEightBitValuesOver255)
{
    FloatImage image;
    ASSERT_TRUE (imagefiles::read (fixture ("four-colours.png"), image));
    ASSERT_EQ (image.getWidth(), 2);
    ASSERT_EQ (image.getHeight(), 2);
    EXPECT_EQ (image.getPixel (0, 0), eightBit (255, 0, 0));
    EXPECT_EQ (image.getPixel (1, 0), eightBit (0, 128, 255));
    EXPECT_EQ (image.getPixel (0, 1), eightBit (10, 20, 30));
    EXPECT_EQ (image.getPixel (1, 1), eightBit (255, 255, 255));
}

TEST (PngImageFiles, AreWrittenWithEightBitsPerComponentAndValuesClamped)
{
    const TemporaryFolder folder;
    const auto file = folder.get().getChildFile ("frame.png");
    FloatImage image (3, 1);
    image.setPixel (0, 0, { 0.5f, 1.7f, -0.3f, 1.0f });
    image.setPixel (1, 0, { 0.2f, std::nanf (""), 1.0f, 1.0f });
    image.setPixel (2, 0, { 0.0f, 0.0f, INFINITY, 1.0f });
    ASSERT_TRUE (imagefiles::write (file, image));

    FloatImage readBack;
    ASSERT_TRUE (imagefiles::read (file, readBack));
    EXPECT_EQ (readBack.getPixel (0, 0), eightBit (128, 255, 0));
    EXPECT_EQ (readBack.getPixel (1, 0), eightBit (51, 0, 255));
    EXPECT_EQ (readBack.getPixel (2, 0), eightBit (0, 0, 255));
}

TEST (PngImageFiles, TranslucentImagesKeepTheirStraightAlpha)
{
    const TemporaryFolder folder;
    const auto file = folder.get().getChildFile ("frame.png");
    FloatImage image (2, 1, { 1.0f, 0.5f, 0.25f, 0.6f });
    image.setPixel (1, 0, { 0.8f, 0.8f, 0.8f, 0.0f });
    ASSERT_TRUE (imagefiles::write (file, image));

    FloatImage readBack;
    ASSERT_TRUE (imagefiles::read (file, readBack));
    EXPECT_EQ (readBack.getPixel (0, 0), eightBit (255, 128, 64, 153));
    EXPECT_EQ (readBack.getPixel (1, 0), eightBit (204, 204, 204, 0));
}

TEST (JpegImageFiles, AreReadAsRgbBetweenZeroAndOne)
{
    FloatImage image;
    ASSERT_TRUE (imagefiles::read (fixture ("orange.jpg"), image));
    ASSERT_EQ (image.getWidth(), 16);
    ASSERT_EQ (image.getHeight(), 16);

    for (auto [x, y] : { std::pair (0, 0), std::pair (8, 8), std::pair (15, 15) })
    {
        const auto pixel = image.getPixel (x, y);
        EXPECT_NEAR (pixel.r, 200.0f / 255.0f, 2.0f / 255.0f);
        EXPECT_NEAR (pixel.g, 100.0f / 255.0f, 2.0f / 255.0f);
        EXPECT_NEAR (pixel.b, 50.0f / 255.0f, 2.0f / 255.0f);
        EXPECT_EQ (pixel.a, 1.0f);
    }
}

TEST (CodedImageFiles, CorruptOrTruncatedFilesAreRefusedWithoutCrashing)
{
    const TemporaryFolder folder;
    const auto badPng = folder.get().getChildFile ("broken.png");
    const char signatureOnly[] = "\x89PNG\r\n\x1a\n and nothing after";
    ASSERT_TRUE (badPng.replaceWithData (signatureOnly, sizeof (signatureOnly) - 1));
    const auto badJpeg = folder.get().getChildFile ("broken.jpg");
    const char markerOnly[] = "\xff\xd8\xff\xe0 and nothing after";
    ASSERT_TRUE (badJpeg.replaceWithData (markerOnly, sizeof (markerOnly) - 1));
    const auto notAnImage = folder.get().getChildFile ("text.png");
    ASSERT_TRUE (notAnImage.replaceWithText ("just text"));

    const std::pair<juce::File, juce::String> cases[] = {
        { badPng, "not a readable PNG image (" },
        { truncatedCopy (folder, "four-colours.png", 20), "not a readable PNG image (" },
        { badJpeg, "not a readable JPEG image (" },
        { truncatedCopy (folder, "orange.jpg", 300), "not a readable JPEG image (" },
        { notAnImage, "not a PNG or JPEG image" },
    };

    for (const auto& [file, reason] : cases)
    {
        const auto error = readError (file);
        EXPECT_TRUE (error.startsWith ("Cannot read the input image " + file.getFullPathName() + ": " + reason)) << error;
    }
}
