#include <PfmFormat.h>
#include <gtest/gtest.h>

#include <cstring>

using graphics::reference::FloatImage;
using graphics::reference::Rgba;

namespace
{
    juce::MemoryBlock bytesOf (const std::string& header, const std::vector<float>& floats, bool bigEndian)
    {
        juce::MemoryBlock block (header.data(), header.size());

        for (auto value : floats)
        {
            juce::uint32 bits = 0;
            std::memcpy (&bits, &value, 4);
            bits = bigEndian ? juce::ByteOrder::swapIfLittleEndian (bits) : juce::ByteOrder::swapIfBigEndian (bits);
            block.append (&bits, 4);
        }

        return block;
    }

    juce::Result decodeText (const std::string& text)
    {
        FloatImage image;
        return pfm::decode (juce::MemoryBlock (text.data(), text.size()), image);
    }
}

TEST (PfmFormat, RowsRunFromTheBottomAndTheScaleSignGivesTheByteOrder)
{
    // Two columns, two rows; the file's first row is the bottom one.
    const std::vector<float> floats { 1, 2, 3,  4, 5, 6,    7, 8, 9,  -10, 11.5f, 1e6f };

    for (auto bigEndian : { false, true })
    {
        FloatImage image;
        const auto header = std::string ("PF\n2 2\n") + (bigEndian ? "1.0" : "-1.0") + "\n";
        ASSERT_TRUE (pfm::decode (bytesOf (header, floats, bigEndian), image)) << bigEndian;
        ASSERT_EQ (image.getWidth(), 2);
        ASSERT_EQ (image.getHeight(), 2);
        EXPECT_EQ (image.getPixel (0, 1), (Rgba { 1, 2, 3, 1 }));
        EXPECT_EQ (image.getPixel (1, 1), (Rgba { 4, 5, 6, 1 }));
        EXPECT_EQ (image.getPixel (0, 0), (Rgba { 7, 8, 9, 1 }));
        EXPECT_EQ (image.getPixel (1, 0), (Rgba { -10, 11.5f, 1e6f, 1 }));
    }
}

TEST (PfmFormat, GreyMapsGiveTheSameValueInEachComponent)
{
    FloatImage image;
    ASSERT_TRUE (pfm::decode (bytesOf ("Pf 3 1 -2.5\n", { 0.25f, 2.0f, -1.0f }, false), image));
    EXPECT_EQ (image.getPixel (1, 0), (Rgba { 2, 2, 2, 1 }));
    EXPECT_EQ (image.getPixel (2, 0), (Rgba { -1, -1, -1, 1 }));
}

TEST (PfmFormat, EncodesLittleEndianWithScaleMinusOneAndDecodesToTheSameImage)
{
    FloatImage image (3, 2);
    image.setPixel (0, 0, { 0.5f, -0.25f, 7.0f, 0.4f });
    image.setPixel (2, 1, { 1e-8f, 3.0f, 0.0f, 1.0f });
    const auto bytes = pfm::encode (image);

    const std::string header ("PF\n3 2\n-1\n");
    ASSERT_GE (bytes.getSize(), header.size());
    EXPECT_EQ (std::string (static_cast<const char*> (bytes.getData()), header.size()), header);
    EXPECT_EQ (bytes.getSize(), header.size() + 3 * 2 * 12);

    FloatImage decoded;
    ASSERT_TRUE (pfm::decode (bytes, decoded));
    EXPECT_EQ (decoded.getPixel (0, 0), (Rgba { 0.5f, -0.25f, 7.0f, 1.0f }));   // alpha is not stored
    EXPECT_EQ (decoded.getPixel (2, 1), (Rgba { 1e-8f, 3.0f, 0.0f, 1.0f }));
}

TEST (PfmFormat, HostileOrBrokenHeadersAreRefusedWithTheReason)
{
    struct Case
    {
        std::string bytes, reason;
    };

    const Case cases[] = {
        { "", "not a PFM image" },
        { "P6\n2 2\n255\n", "not a PFM image" },
        { "PFX\n2 2\n-1\n", "not a PFM image" },
        { "PF\n-2 2\n-1\n", "no valid size" },
        { "PF\n2 0\n-1\n", "no valid size" },
        { "PF\n2\n", "no valid size" },
        { "PF\n2x 2\n-1\n", "no valid size" },
        { "PF\n9999999999 2\n-1\n", "no valid size" },
        { "PF\n2 2\n0\n", "no valid scale" },
        { "PF\n2 2\nnan\n", "no valid scale" },
        { "PF\n2 2\n-1", "no valid scale" },
        { "PF\n2 2\n-1e999\n", "no valid scale" },
        // Almost a billion by a billion pixels, announced by a 30-byte file: refused, not allocated.
        { "PF\n999999999 999999999\n-1\n", "truncated (999999999 x 999999999 pixels need 11999999976000000012 bytes, 0 follow" },
        { "PF\n2 2\n-1\n" + std::string (47, '\0'), "truncated (2 x 2 pixels need 48 bytes, 47 follow" },
    };

    for (const auto& c : cases)
    {
        const auto result = decodeText (c.bytes);
        EXPECT_TRUE (result.failed()) << c.bytes;
        EXPECT_TRUE (result.getErrorMessage().contains (c.reason)) << c.bytes << " -> " << result.getErrorMessage();
    }
}
