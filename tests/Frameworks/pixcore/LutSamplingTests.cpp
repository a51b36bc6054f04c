#include "GraphicsTestContext.h"
#include <pixcore/OwnedColor3dBuffer.h>
#include <cmath>
#include <random>

namespace
{

using graphics::ColorBuffer2d;
using graphics::OwnedColor3dBuffer;
using graphics::PixelFormat;
using pixtest::GraphicsTest;

// The colour modifier's LUT lookup: the input, clamped to 0..1, lands on
// the texel centres (i + 0.5) / N, so entry i answers input i / (N - 1).
const char* const lutLookup = "#include \"ColorModifier.sglsl\"\n"
                              "struct Lut : ColorModifier\n"
                              "{\n"
                              "    sampler3D lutSampler;\n"
                              "    vec4 compute (vec4 colour, vec2 uv)\n"
                              "    {\n"
                              "        float n = float (textureSize (lutSampler, 0).x);\n"
                              "        vec3 uvw = (clamp (colour.rgb, 0.0, 1.0) * (n - 1.0) + 0.5) / n;\n"
                              "        return vec4 (texture (lutSampler, uvw).rgb, colour.a);\n"
                              "    }\n"
                              "};\n";

using Rgb = std::array<double, 3>;

Rgb lutEntry (const OwnedColor3dBuffer& lut, int r, int g, int b)
{
    const int n = lut.getWidth();
    const float* texel = lut.getPixelData() + (((size_t) b * (size_t) n + (size_t) g) * (size_t) n + (size_t) r) * 4;
    return { texel[0], texel[1], texel[2] };
}

// Trilinear interpolation in double precision over the clamped input.
Rgb cpuTrilinear (const OwnedColor3dBuffer& lut, const ColorBuffer2d::Pixel& colour)
{
    const int n = lut.getWidth();
    int base[3];
    double weight[3];

    for (int axis = 0; axis < 3; ++axis)
    {
        const double position = juce::jlimit (0.0, 1.0, (double) colour[(size_t) axis]) * (n - 1);
        base[axis] = juce::jmin ((int) std::floor (position), n - 2);
        weight[axis] = position - base[axis];
    }

    Rgb result {};

    for (int corner = 0; corner < 8; ++corner)
    {
        const int dr = corner & 1, dg = (corner >> 1) & 1, db = (corner >> 2) & 1;
        const double w = (dr ? weight[0] : 1 - weight[0]) * (dg ? weight[1] : 1 - weight[1]) * (db ? weight[2] : 1 - weight[2]);
        const auto entry = lutEntry (lut, base[0] + dr, base[1] + dg, base[2] + db);

        for (size_t c = 0; c < 3; ++c)
            result[c] += w * entry[c];
    }

    return result;
}

// Texel centres, midpoints between them, the edges and beyond, and random points.
ColorBuffer2d makeLutInputs (int n)
{
    std::vector<ColorBuffer2d::Pixel> pixels;
    const float special[] = { 0.0f, 1.0f, -0.5f, 1.75f, 0.5f / (float) (n - 1), 1.0f / (float) (n - 1), 0.999f };

    for (float r : special)
        for (float g : special)
            pixels.push_back ({ r, g, special[(size_t) (pixels.size() % 7)], 1.0f });

    std::mt19937 random (1234);
    std::uniform_real_distribution<float> anywhere (-0.1f, 1.1f);

    while (pixels.size() < 64 * 16)
        pixels.push_back ({ anywhere (random), anywhere (random), anywhere (random), 0.5f });

    ColorBuffer2d image (64, 16);

    for (size_t i = 0; i < pixels.size(); ++i)
        image.setPixel ((int) i % 64, (int) i / 64, pixels[i]);

    return image;
}

std::unique_ptr<OwnedColor3dBuffer> makeRandomLut (int n)
{
    auto lut = std::make_unique<OwnedColor3dBuffer>();
    EXPECT_TRUE (lut->resize (PixelFormat::rgbaFloat(), n, n, n).wasOk());
    std::mt19937 random ((unsigned) n);
    std::uniform_real_distribution<float> value (-0.5f, 1.5f);
    float* texels = lut->getWritablePixelData();

    for (size_t i = 0; i < (size_t) n * (size_t) n * (size_t) n * 4; ++i)
        texels[i] = value (random);

    return lut;
}

TEST_F (GraphicsTest, ALutSampledWithLinearFilteringAtTexelCentresMatchesTrilinearInterpolation)
{
    auto program = compile (lutLookup);
    ASSERT_NE (program, nullptr);

    for (int n : { 2, 5, 17, 33 })
    {
        SCOPED_TRACE ("LUT size " + juce::String (n));
        const auto lutBuffer = makeRandomLut (n);
        const auto& lut = *lutBuffer;
        graphics::Sampler3d sampler;
        sampler.setTexture (context->createPixel3dBuffer (lut, true));
        sampler.getSamplingParameters().setFilter (true);
        sampler.getSamplingParameters().setAddressing (3);
        sampler.getSamplingParameters().setNumLevels (1);
        ASSERT_TRUE (program->setSampler3d ("lutSampler", sampler));

        const auto input = makeLutInputs (n);
        const auto output = apply (*program, input);
        double largestError = 0.0;

        for (int y = 0; y < input.getHeight(); ++y)
            for (int x = 0; x < input.getWidth(); ++x)
            {
                const auto expected = cpuTrilinear (lut, input.getPixel (x, y));

                for (size_t c = 0; c < 3; ++c)
                    largestError = juce::jmax (largestError, std::abs (output.getPixel (x, y)[c] - expected[c]));

                EXPECT_EQ (output.getPixel (x, y)[3], input.getPixel (x, y)[3]);
            }

        RecordProperty ("largestLutErrorSize" + std::to_string (n), juce::String (largestError, 9).toStdString());
        std::cout << "LUT " << n << "^3: largest difference from double trilinear " << largestError << std::endl;
        EXPECT_LT (largestError, 1.0e-4);
    }
}

TEST_F (GraphicsTest, AnIdentityLutOfSizeTwoGivesBackTheClampedInput)
{
    auto program = compile (lutLookup);
    ASSERT_NE (program, nullptr);
    OwnedColor3dBuffer lut;
    ASSERT_TRUE (lut.resize (PixelFormat::rgbaFloat(), 2, 2, 2).wasOk());
    float* texel = lut.getWritablePixelData();

    for (int b = 0; b < 2; ++b)
        for (int g = 0; g < 2; ++g)
            for (int r = 0; r < 2; ++r, texel += 4)
                std::copy_n (std::array<float, 4> { (float) r, (float) g, (float) b, 1.0f }.begin(), 4, texel);

    graphics::Sampler3d sampler;
    sampler.setTexture (context->createPixel3dBuffer (lut, true));
    sampler.getSamplingParameters().setFilter (true);
    sampler.getSamplingParameters().setAddressing (graphics::SamplingParameters::Addressing::clampToEdge);
    ASSERT_TRUE (program->setSampler3d ("lutSampler", sampler));

    ColorBuffer2d input (4, 1);
    input.setPixel (0, 0, { 0.25f, 0.5f, 0.75f, 1.0f });
    input.setPixel (1, 0, { -1.0f, 2.0f, 1.0f, 1.0f });
    input.setPixel (2, 0, { 0.0f, 1.0f, 0.125f, 1.0f });
    input.setPixel (3, 0, { 0.9f, 0.1f, 0.333f, 1.0f });
    const auto output = apply (*program, input);

    for (int x = 0; x < 4; ++x)
        for (size_t c = 0; c < 3; ++c)
            EXPECT_NEAR (output.getPixel (x, 0)[c], juce::jlimit (0.0f, 1.0f, input.getPixel (x, 0)[c]), 1.0e-6f);
}

// Samples a volume at the raw texture coordinate given as the pixel's colour.
const char* const rawLookup = "#include \"ColorModifier.sglsl\"\n"
                              "struct Raw : ColorModifier\n"
                              "{\n"
                              "    sampler3D volume;\n"
                              "    vec4 compute (vec4 colour, vec2 uv) { return texture (volume, colour.rgb); }\n"
                              "};\n";

struct SamplingCase
{
    const char* what;
    bool filter;
    int addressing;
    float coordinate;   // along red, at the centre of green and blue
    float expectedRed;
};

// A 4-texel ramp along red with entries 0, 1, 2, 3 at the centres 1/8, 3/8, 5/8, 7/8.
const SamplingCase samplingCases[] = {
    { "linear between two centres",           true,  3, 0.25f,   0.5f },
    { "nearest between two centres",          false, 3, 0.30f,   1.0f },
    { "clamp to edge at the volume's border", true,  3, 0.0f,    0.0f },
    { "repeat at the volume's border",        true,  0, 0.0f,    1.5f },
    { "clamp to edge past the border",        true,  3, 1.2f,    3.0f },
};

TEST_F (GraphicsTest, TheSamplersFilterAndAddressingReachTheTexture)
{
    auto program = compile (rawLookup);
    ASSERT_NE (program, nullptr);
    OwnedColor3dBuffer ramp;
    ASSERT_TRUE (ramp.resize (PixelFormat::rgbaFloat(), 4, 1, 1).wasOk());
    float* texels = ramp.getWritablePixelData();

    for (int r = 0; r < 4; ++r)
        texels[r * 4] = (float) r;

    for (auto& c : samplingCases)
    {
        SCOPED_TRACE (c.what);
        graphics::Sampler3d sampler;
        sampler.setTexture (context->createPixel3dBuffer (ramp, true));
        sampler.getSamplingParameters().setFilter (c.filter);
        sampler.getSamplingParameters().setAddressing (c.addressing);
        ASSERT_TRUE (program->setSampler3d ("volume", sampler));

        ColorBuffer2d input (1, 1);
        input.setPixel (0, 0, { c.coordinate, 0.5f, 0.5f, 1.0f });

        EXPECT_NEAR (apply (*program, input).getPixel (0, 0)[0], c.expectedRed, 1.0e-5f);
    }
}

} // namespace
