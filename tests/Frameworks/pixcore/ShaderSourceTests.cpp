#include <gtest/gtest.h>
#include <pixcore/ShaderLog.h>
#include <pixcore/ShaderSourceExpander.h>

namespace
{

using graphics::ExpandedShaderSource;

ExpandedShaderSource expand (const juce::String& source)
{
    ExpandedShaderSource expanded;
    const auto r = graphics::expandShaderSource ("Main.sglsl", source, expanded);
    EXPECT_TRUE (r.wasOk()) << r.getErrorMessage();
    return expanded;
}

TEST (ShaderSource, StructFieldsBecomeUniformsAndFunctionsStayOnTheirLines)
{
    const auto expanded = expand ("struct Params : ShaderObject\n"
                                  "{\n"
                                  "    vec4 slope; float saturation;\n"
                                  "    sampler3D lutSampler; // the LUT { not a body }\n"
                                  "    vec3 apply (vec3 c) { return c * slope.rgb; }\n"
                                  "};\n"
                                  "struct Plain { float x; };\n");
    const auto lines = juce::StringArray::fromLines (expanded.text);

    ASSERT_GE (lines.size(), 9);
    EXPECT_EQ (lines[0], "#version 450 core");
    EXPECT_EQ (lines[1], "#line 1 0");
    EXPECT_EQ (lines[2].trim(), "");
    EXPECT_EQ (lines[3].trim(), "");
    EXPECT_EQ (lines[4].trim(), "uniform vec4 slope; uniform float saturation;");
    EXPECT_EQ (lines[5].trim(), "uniform sampler3D lutSampler; // the LUT { not a body }");
    EXPECT_EQ (lines[6].trim(), "vec3 apply (vec3 c) { return c * slope.rgb; }");
    EXPECT_EQ (lines[7].trim(), "");
    EXPECT_EQ (lines[8], "struct Plain { float x; };") << "a struct without a base is plain GLSL";
}

TEST (ShaderSource, IncludesExpandOnceAndLineDirectivesReturnToTheIncludingFile)
{
    const auto expanded = expand ("#version 330\n"
                                  "#include \"Texture.sglsl\"\n"
                                  "#include \"ColorModifier.sglsl\"\n"
                                  "float afterIncludes;\n");

    EXPECT_EQ (expanded.fileNames, juce::StringArray ({ "Main.sglsl", "Texture.sglsl", "ColorModifier.sglsl" }))
        << "ColorModifier.sglsl includes Texture.sglsl again, which adds nothing";
    EXPECT_FALSE (expanded.text.contains ("#version 330"));
    EXPECT_EQ (expanded.text.indexOf ("uniform Globals globals;"), expanded.text.lastIndexOf ("uniform Globals globals;"));
    EXPECT_TRUE (expanded.text.contains ("#line 3 0\n#line 1 2\n")) << expanded.text;
    EXPECT_TRUE (expanded.text.contains ("#line 4 0\nfloat afterIncludes;")) << expanded.text;
}

//==============================================================================
struct LogCase
{
    const char* driver;
    const char* line;
    const char* mapped;
};

const LogCase logCases[] = {
    { "Mesa",          "2:14(7): error: `x' undeclared",             "ColorModifier.sglsl:14:7: error: `x' undeclared" },
    { "AMD and Intel", "ERROR: 0:3: 'y' : undeclared identifier",    "Main.sglsl:3: 'y' : undeclared identifier" },
    { "NVIDIA",        "1(22) : error C1008: undefined variable \"z\"", "Texture.sglsl:22: error C1008: undefined variable \"z\"" },
    { "unknown file",  "7:1(1): error: odd",                         "source 7:1:1: error: odd" },
    { "other text",    "warning: something general",                 "warning: something general" },
};

TEST (ShaderLog, NamesTheOriginalFileOfEachMessageInEveryDriversForm)
{
    const juce::StringArray files { "Main.sglsl", "Texture.sglsl", "ColorModifier.sglsl" };

    for (auto& c : logCases)
        EXPECT_EQ (graphics::mapShaderLog (c.line, files), juce::String (c.mapped)) << c.driver;
}

} // namespace
