#include "GraphicsTestContext.h"
#include <cmath>
#include <cstring>

namespace
{

using graphics::ColorBuffer2d;
using graphics::UniformType;
using pixtest::GraphicsTest;

// Components that a float pipeline must carry through untouched: zero, one,
// negatives, values above 1, tiny and huge magnitudes.
const float awkwardValues[] = { 0.0f, 1.0f, -0.5f, 3.75f, 1.0e-7f, -1.0e-30f, 65504.0f, 0.333333343f, 1.0e20f, -7.25f, 0.5f, 2.0f };

ColorBuffer2d makeAwkwardImage()
{
    ColorBuffer2d image (3, 4);
    int n = 0;

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x, ++n)
            image.setPixel (x, y, { awkwardValues[n % 12], awkwardValues[(n + 5) % 12], awkwardValues[(n + 7) % 12], awkwardValues[(n + 11) % 12] });

    return image;
}

const char* const passThrough = "#include \"ColorModifier.sglsl\"\n"
                                "struct PassThrough : ColorModifier\n"
                                "{\n"
                                "    vec4 compute (vec4 colour, vec2 textureCoordinate) { return colour; }\n"
                                "};\n";

TEST_F (GraphicsTest, APassThroughComputeGivesBackEveryPixelBitForBit)
{
    auto program = compile (passThrough);
    ASSERT_NE (program, nullptr);
    const auto input = makeAwkwardImage();

    const auto output = apply (*program, input);

    ASSERT_EQ (output.getWidth(), input.getWidth());
    ASSERT_EQ (output.getHeight(), input.getHeight());
    EXPECT_EQ (std::memcmp (output.getData(), input.getData(), sizeof (float) * 4 * 12), 0);
}

TEST_F (GraphicsTest, ComputeSeesEachPixelsOwnTextureCoordinate)
{
    auto program = compile ("#include \"ColorModifier.sglsl\"\n"
                            "struct Where : ColorModifier { vec4 compute (vec4 c, vec2 uv) { return vec4 (uv, 0.0, 1.0); } };\n");
    ASSERT_NE (program, nullptr);

    const auto output = apply (*program, ColorBuffer2d (4, 2));

    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
        {
            EXPECT_NEAR (output.getPixel (x, y)[0], (x + 0.5f) / 4.0f, 1.0e-6f);
            EXPECT_NEAR (output.getPixel (x, y)[1], (y + 0.5f) / 2.0f, 1.0e-6f);
        }
}

//==============================================================================
const char* const gammaConversion = "#include \"ColorModifier.sglsl\"\n"
                                    "struct Gamma : ColorModifier\n"
                                    "{\n"
                                    "    float fromGamma;\n"
                                    "    float toGamma;\n"
                                    "    float roundTrip;\n"
                                    "    vec4 compute (vec4 c, vec2 uv)\n"
                                    "    {\n"
                                    "        vec3 converted = convertGamma (c.rgb, fromGamma, toGamma);\n"
                                    "        return vec4 (roundTrip > 0.5 ? convertGamma (converted, toGamma, fromGamma) : converted, c.a);\n"
                                    "    }\n"
                                    "};\n";

struct GammaCase { float from, to; };

TEST_F (GraphicsTest, ConvertGammaReencodesLightAndComesBackFromTheRoundTrip)
{
    auto program = compile (gammaConversion);
    ASSERT_NE (program, nullptr);
    ColorBuffer2d input (4, 1);
    input.setPixel (0, 0, { 0.0f, 0.18f, 0.5f, 1.0f });
    input.setPixel (1, 0, { 1.0f, 2.5f, 0.01f, 0.25f });
    input.setPixel (2, 0, { -0.25f, -1.5f, 0.75f, 1.0f });
    input.setPixel (3, 0, { 0.999f, 1.0e-4f, 4.0f, 0.0f });

    for (auto [from, to] : { GammaCase { 2.2f, 1.0f }, GammaCase { 1.0f, 2.2f }, GammaCase { 2.4f, 2.2f }, GammaCase { 2.2f, 2.2f } })
    {
        SCOPED_TRACE (juce::String (from) + " -> " + juce::String (to));
        ASSERT_TRUE (program->setFloat ("fromGamma", from));
        ASSERT_TRUE (program->setFloat ("toGamma", to));

        ASSERT_TRUE (program->setFloat ("roundTrip", 0.0f));
        const auto converted = apply (*program, input);
        ASSERT_TRUE (program->setFloat ("roundTrip", 1.0f));
        const auto back = apply (*program, input);

        for (int x = 0; x < 4; ++x)
            for (int c = 0; c < 3; ++c)
            {
                const double v = input.getPixel (x, 0)[(size_t) c];
                const double expected = (v < 0 ? -1.0 : 1.0) * std::pow (std::abs (v), (double) from / (double) to);
                EXPECT_NEAR (converted.getPixel (x, 0)[(size_t) c], expected, 1.0e-5 * juce::jmax (1.0, std::abs (expected)));
                EXPECT_NEAR (back.getPixel (x, 0)[(size_t) c], v, 1.0e-5 * juce::jmax (1.0, std::abs (v)));
            }

        if (from == to)
        {
            EXPECT_EQ (std::memcmp (converted.getData(), input.getData(), sizeof (float) * 16), 0);
        }
    }
}

//==============================================================================
TEST_F (GraphicsTest, ListsTheActiveUniformsWithTheirTypesAndSetsThemByName)
{
    auto program = compile ("#include \"ColorModifier.sglsl\"\n"
                            "struct Params : ColorModifier\n"
                            "{\n"
                            "    vec4 slope;\n"
                            "    float saturation;\n"
                            "    sampler3D lutSampler;\n"
                            "    float unused;\n"
                            "    vec4 compute (vec4 c, vec2 uv)\n"
                            "    {\n"
                            "        return slope * saturation * globals.renderingGamma + texture (lutSampler, vec3 (0.5));\n"
                            "    }\n"
                            "};\n");
    ASSERT_NE (program, nullptr);

    const std::pair<const char*, UniformType> expected[] = { { "slope", UniformType::vec4 },
                                                             { "saturation", UniformType::float1 },
                                                             { "lutSampler", UniformType::sampler3d },
                                                             { "globals.renderingGamma", UniformType::float1 } };
    for (auto& [name, type] : expected)
    {
        auto* uniform = program->findUniform (name);
        ASSERT_NE (uniform, nullptr) << name;
        EXPECT_EQ (uniform->type, type) << name;
    }

    EXPECT_EQ (program->findUniform ("unused"), nullptr);
    EXPECT_FALSE (program->setFloat ("unused", 1.0f));
    EXPECT_FALSE (program->setFloat ("slope", 1.0f)) << "a vec4 is not set as a float";

    ASSERT_TRUE (program->setVec4 ("slope", 1.0f, 2.0f, 3.0f, 4.0f));
    ASSERT_TRUE (program->setFloat ("saturation", 0.5f));
    ASSERT_TRUE (program->setFloat ("globals.renderingGamma", 2.0f));

    // No texture on the sampler: an incomplete texture reads as (0, 0, 0, 1).
    const auto output = apply (*program, ColorBuffer2d (1, 1));
    EXPECT_EQ (output.getPixel (0, 0), (ColorBuffer2d::Pixel { 1.0f, 2.0f, 3.0f, 5.0f }));
}

//==============================================================================
struct CompileErrorCase
{
    const char* what;
    const char* source;
    const char* expectedPlace;
};

const CompileErrorCase compileErrors[] = {
    { "an undeclared name in a function of the struct",
      "#include \"ColorModifier.sglsl\"\n"
      "struct Broken : ColorModifier\n"
      "{\n"
      "    vec4 slope;\n"
      "    vec4 compute (vec4 c, vec2 uv)\n"
      "    {\n"
      "        return c * slope * notDeclared;\n"
      "    }\n"
      "};\n",
      "Test.sglsl:7:" },
    { "a syntax error after the struct",
      "#include \"Texture.sglsl\"\n"
      "#include \"ColorModifier.sglsl\"\n"
      "struct Fine : ColorModifier { vec4 compute (vec4 c, vec2 uv) { return c; } };\n"
      "\n"
      "float helper() { return 1.0 +; }\n",
      "Test.sglsl:5:" },
    { "a file the host library does not have",
      "#include \"ColorModifier.sglsl\"\n"
      "#include \"Missing.sglsl\"\n",
      "Test.sglsl:2: there is no host shader file \"Missing.sglsl\"" },
    { "a base struct nobody declared",
      "#include \"ColorModifier.sglsl\"\n"
      "\n"
      "struct Orphan : Nowhere { vec4 x; };\n",
      "Test.sglsl:3: struct Orphan derives from an unknown shader struct 'Nowhere'" },
    { "a struct without its closing brace",
      "#include \"ColorModifier.sglsl\"\n"
      "struct Open : ColorModifier\n"
      "{\n"
      "    vec4 x;\n",
      "struct Open has no closing" },
};

TEST_F (GraphicsTest, AShaderThatDoesNotCompileIsReportedWithItsOriginalFileAndLine)
{
    for (auto& error : compileErrors)
    {
        SCOPED_TRACE (error.what);
        auto outcome = juce::Result::ok();
        auto program = context->createColorModifierProgram ("Test.sglsl", error.source, outcome);

        EXPECT_EQ (program, nullptr);
        EXPECT_TRUE (outcome.getErrorMessage().startsWith ("The shader Test.sglsl does not compile:")) << outcome.getErrorMessage();
        EXPECT_TRUE (outcome.getErrorMessage().contains (error.expectedPlace)) << outcome.getErrorMessage();
    }
}

TEST_F (GraphicsTest, AColorModifierWithoutComputeFailsToLinkWithAMessage)
{
    auto outcome = juce::Result::ok();
    auto program = context->createColorModifierProgram ("Test.sglsl", "#include \"ColorModifier.sglsl\"\n", outcome);

    EXPECT_EQ (program, nullptr);
    EXPECT_TRUE (outcome.getErrorMessage().startsWith ("The shader Test.sglsl does not link:")) << outcome.getErrorMessage();
}

} // namespace
