#include "GraphicsTestContext.h"
#include <cmath>

// A colour modifier shaped like a grade (a CDL and a LUT behind one switch,
// between gamma conversions) shows that the shader language carries what
// such a modifier needs: fields of several types, functions calling each
// other, the globals and the host library's functions.
namespace
{

using graphics::ColorBuffer2d;
using pixtest::GraphicsTest;

const char* const gradeShaped = "#include \"Texture.sglsl\"\n"
                                "#include \"ColorModifier.sglsl\"\n"
                                "\n"
                                "struct GradeShaped : ColorModifier\n"
                                "{\n"
                                "    vec4 slope;\n"
                                "    vec4 offset;\n"
                                "    vec4 power;\n"
                                "    float saturation;\n"
                                "    float cdlActive;\n"
                                "    sampler3D lutSampler;\n"
                                "\n"
                                "    vec3 applyCdl (vec3 c)\n"
                                "    {\n"
                                "        c = pow (max (c * slope.rgb + offset.rgb, 0.0), power.rgb);\n"
                                "        float luma = dot (c, vec3 (0.2126, 0.7152, 0.0722));\n"
                                "        return luma + saturation * (c - luma);\n"
                                "    }\n"
                                "\n"
                                "    vec3 applyLut (vec3 c)\n"
                                "    {\n"
                                "        float n = float (textureSize (lutSampler, 0).x);\n"
                                "        return texture (lutSampler, (clamp (c, 0.0, 1.0) * (n - 1.0) + 0.5) / n).rgb;\n"
                                "    }\n"
                                "\n"
                                "    vec4 compute (vec4 colour, vec2 uv)\n"
                                "    {\n"
                                "        vec3 rgb = convertGamma (colour.rgb, globals.renderingGamma, 2.2);\n"
                                "        rgb = cdlActive > 0.5 ? applyCdl (rgb) : applyLut (rgb);\n"
                                "        return vec4 (convertGamma (rgb, 2.2, globals.renderingGamma), colour.a);\n"
                                "    }\n"
                                "};\n";

double convertGamma (double v, double from, double to)
{
    return from == to ? v : (v < 0 ? -1.0 : 1.0) * std::pow (std::abs (v), from / to);
}

struct Cdl { double slope[3], offset[3], power[3], saturation; };

std::array<double, 3> cpuCdl (const Cdl& cdl, const ColorBuffer2d::Pixel& colour, double renderingGamma)
{
    std::array<double, 3> c {};

    for (size_t i = 0; i < 3; ++i)
        c[i] = std::pow (std::max (convertGamma (colour[i], renderingGamma, 2.2) * cdl.slope[i] + cdl.offset[i], 0.0), cdl.power[i]);

    const double luma = 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];

    for (auto& v : c)
        v = convertGamma (luma + cdl.saturation * (v - luma), 2.2, renderingGamma);

    return c;
}

ColorBuffer2d makeGradeInputs()
{
    const float values[] = { 0.0f, 1.0f, -0.25f, 1.5f, 0.18f, 0.5f, 4.0f, 0.9f };
    ColorBuffer2d image (8, 8);

    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel (x, y, { values[x], values[y], values[(x + y) % 8], 0.75f });

    return image;
}

struct GradeCase
{
    const char* what;
    Cdl cdl;
    float renderingGamma;
};

const GradeCase gradeCases[] = {
    { "identity",                 { { 1, 1, 1 }, { 0, 0, 0 }, { 1, 1, 1 }, 1.0 },          2.2f },
    { "a warm grade",             { { 1.1, 1.0, 0.9 }, { 0.02, 0, -0.03 }, { 1.2, 1, 0.8 }, 1.2 }, 2.2f },
    { "saturation 0 gives luma",  { { 1, 1, 1 }, { 0, 0, 0 }, { 1, 1, 1 }, 0.0 },          2.2f },
    { "a linear host",            { { 0.8, 1.2, 1.0 }, { 0.1, 0, 0 }, { 1, 0.9, 1.1 }, 0.7 },  1.0f },
};

TEST_F (GraphicsTest, AGradeShapedModifierMatchesTheCdlFormulasOnTheCpu)
{
    auto program = compile (gradeShaped);
    ASSERT_NE (program, nullptr);
    const auto input = makeGradeInputs();

    for (auto& c : gradeCases)
    {
        SCOPED_TRACE (c.what);
        const auto& cdl = c.cdl;
        ASSERT_TRUE (program->setVec4 ("slope", (float) cdl.slope[0], (float) cdl.slope[1], (float) cdl.slope[2], 1.0f));
        ASSERT_TRUE (program->setVec4 ("offset", (float) cdl.offset[0], (float) cdl.offset[1], (float) cdl.offset[2], 0.0f));
        ASSERT_TRUE (program->setVec4 ("power", (float) cdl.power[0], (float) cdl.power[1], (float) cdl.power[2], 1.0f));
        ASSERT_TRUE (program->setFloat ("saturation", (float) cdl.saturation));
        ASSERT_TRUE (program->setFloat ("cdlActive", 1.0f));
        ASSERT_TRUE (program->setFloat ("globals.renderingGamma", c.renderingGamma));

        const auto output = apply (*program, input);

        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
            {
                const auto expected = cpuCdl (cdl, input.getPixel (x, y), c.renderingGamma);

                for (size_t i = 0; i < 3; ++i)
                    EXPECT_NEAR (output.getPixel (x, y)[i], expected[i], 1.0e-5 * std::max (1.0, std::abs (expected[i])))
                        << "pixel " << x << ", " << y << " component " << i;

                EXPECT_EQ (output.getPixel (x, y)[3], 0.75f);
            }
    }
}

} // namespace
