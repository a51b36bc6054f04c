#include "MatrixOrbitalImages.h"

#include "ftd2xx/PngCodec.h"

#include <gtest/gtest.h>

using namespace launcher;

TEST (MatrixOrbitalImages, EveryAttributeUnpacksToAnRgbaPngOfItsSize)
{
    struct Case { const char* name; int width, height; };
    const MatrixOrbitalImagesClass images;

    for (auto c : { Case { "torvoLive", 150, 84 }, Case { "ip", 34, 34 }, Case { "performances", 34, 34 },
                    Case { "project", 34, 34 }, Case { "system", 34, 34 }, Case { "arrowUp", 34, 34 },
                    Case { "arrowDown", 34, 34 }, Case { "onAirActivated", 63, 22 },
                    Case { "onAirDeactivated", 63, 22 }, Case { "outputActive", 66, 22 },
                    Case { "outputDisabled", 66, 22 } })
    {
        const auto buffer = images.getBufferAttribute (c.name, nullptr);
        ASSERT_NE (buffer.data, nullptr) << c.name;

        ftd2xxsim::PngHeader header;
        ftd2xxsim::RgbaImage image;
        std::string error;
        ASSERT_TRUE (ftd2xxsim::decodePng (static_cast<const std::uint8_t*> (buffer.data), buffer.size,
                                           header, image, error)) << c.name << ": " << error;
        EXPECT_EQ (header.width, c.width) << c.name;
        EXPECT_EQ (header.height, c.height) << c.name;
        EXPECT_EQ (header.bitDepth, 8) << c.name;
        EXPECT_EQ (header.colourType, 6) << c.name << " is not RGBA";
    }
}

TEST (MatrixOrbitalImages, TheClassHasNoInstancesAndTheLoadOrderNamesEveryAttribute)
{
    const MatrixOrbitalImagesClass images;
    EXPECT_TRUE (images.isAbstractClass());
    EXPECT_EQ (images.createObject(), nullptr);

    for (const auto* name : imageAttributeNames)
        EXPECT_NE (images.getBufferAttribute (name, nullptr).data, nullptr) << name;
}
