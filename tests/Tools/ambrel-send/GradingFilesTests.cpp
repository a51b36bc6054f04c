#include <gtest/gtest.h>
#include "GradingFiles.h"

// The grading client's readers of ASC CDL and .cube files.

namespace
{
    juce::File writeTemporary (juce::TemporaryFile& file, const juce::String& text)
    {
        file.getFile().replaceWithText (text);
        return file.getFile();
    }
}

TEST (CdlFiles, TheFirstCorrectionOfACollectionIsRead)
{
    juce::TemporaryFile file (".ccc");
    const auto cdl = writeTemporary (file,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<ColorCorrectionCollection xmlns=\"urn:ASC:CDL:v1.01\">\n"
        "  <ColorCorrection id=\"shot_010\">\n"
        "    <SOPNode>\n"
        "      <Slope>1.1 1.0 0.9</Slope>\n"
        "      <Offset>0.01 -0.02 0.0</Offset>\n"
        "      <Power>1.0\n 1.2 0.8</Power>\n"
        "    </SOPNode>\n"
        "    <SatNode><Saturation> 0.85 </Saturation></SatNode>\n"
        "  </ColorCorrection>\n"
        "  <ColorCorrection id=\"shot_020\"><SOPNode><Slope>2 2 2</Slope></SOPNode></ColorCorrection>\n"
        "</ColorCorrectionCollection>\n");

    ambrel::CdlParameters parameters;
    ASSERT_EQ (ambrel::readCdlFile (cdl, parameters), juce::String());
    EXPECT_EQ (parameters.slope, (std::array<double, 3> { 1.1, 1.0, 0.9 }));
    EXPECT_EQ (parameters.offset, (std::array<double, 3> { 0.01, -0.02, 0.0 }));
    EXPECT_EQ (parameters.power, (std::array<double, 3> { 1.0, 1.2, 0.8 }));
    EXPECT_EQ (parameters.saturation, 0.85);
}

TEST (CdlFiles, MissingPartsKeepTheirNeutralValues)
{
    juce::TemporaryFile file (".cc");
    const auto cdl = writeTemporary (file, "<ColorCorrection><SOPNode><Offset>0.1 0.1 0.1</Offset></SOPNode></ColorCorrection>");

    ambrel::CdlParameters parameters;
    ASSERT_EQ (ambrel::readCdlFile (cdl, parameters), juce::String());
    EXPECT_EQ (parameters.slope, (std::array<double, 3> { 1.0, 1.0, 1.0 }));
    EXPECT_EQ (parameters.offset, (std::array<double, 3> { 0.1, 0.1, 0.1 }));
    EXPECT_EQ (parameters.saturation, 1.0);
}

struct BadCdlCase
{
    const char* text;
    const char* problem;
};

class BadCdlFiles : public testing::TestWithParam<BadCdlCase> {};

TEST_P (BadCdlFiles, AreRefusedWithAReason)
{
    juce::TemporaryFile file (".cdl");
    const auto cdl = writeTemporary (file, GetParam().text);
    ambrel::CdlParameters parameters;
    EXPECT_EQ (ambrel::readCdlFile (cdl, parameters), juce::String (GetParam().problem).replace ("FILE", cdl.getFullPathName()));
}

INSTANTIATE_TEST_SUITE_P (Cases, BadCdlFiles, testing::Values (
    BadCdlCase { "slope 1 1 1", "Cannot read FILE as XML" },
    BadCdlCase { "<ColorDecisionList/>", "FILE holds no ColorCorrection" },
    BadCdlCase { "<ColorCorrection><SOPNode><Slope>1 1</Slope></SOPNode></ColorCorrection>",
                 "FILE: Slope, Offset and Power need three numbers each" }));

//==============================================================================
TEST (CubeFiles, ReadTheTableRedFastestWithCommentsAndHeaders)
{
    ambrel::CubeLut lut;
    const auto problem = ambrel::parseCubeText ("# made by hand\nTITLE \"two\"\nLUT_3D_SIZE 2\nDOMAIN_MIN 0 0 0\nDOMAIN_MAX 1 1 1\n"
                                                "0 0 0\n1 0 0\n0 1 0\n1 1 0\n0 0 1\n1 0 1 # trailing\n0 1 1\n1 1 1\n", lut);
    ASSERT_EQ (problem, juce::String());
    EXPECT_EQ (lut.size, 2);
    ASSERT_EQ (lut.rgb.size(), 24u);
    EXPECT_EQ (lut.rgb[3], 1.0f);
    EXPECT_EQ (lut.rgb[23], 1.0f);

    // float32 entries carry four binary32 values; uint16 entries three scaled values.
    EXPECT_EQ (lut.encode ("float32").getSize(), 8u * 16u);
    const auto uint16 = lut.encode ("uint16");
    ASSERT_EQ (uint16.getSize(), 8u * 6u);
    EXPECT_EQ (juce::ByteOrder::littleEndianShort (static_cast<const char*> (uint16.getData()) + 6), 65535);
}

struct BadCubeCase
{
    const char* text;
    const char* problem;
};

class BadCubeTexts : public testing::TestWithParam<BadCubeCase> {};

TEST_P (BadCubeTexts, AreRefusedWithAReason)
{
    ambrel::CubeLut lut;
    EXPECT_EQ (ambrel::parseCubeText (GetParam().text, lut), juce::String (GetParam().problem));
}

INSTANTIATE_TEST_SUITE_P (Cases, BadCubeTexts, testing::Values (
    BadCubeCase { "0 0 0\n", "no LUT_3D_SIZE of 2 or more" },
    BadCubeCase { "LUT_3D_SIZE 2\n0 0 0\n", "LUT_3D_SIZE 2 needs 8 entries, found 1" },
    BadCubeCase { "LUT_3D_SIZE 2\n0 0\n", "unexpected line: 0 0" },
    BadCubeCase { "LUT_3D_SIZE 2000000\n0 0 0\n", "LUT_3D_SIZE 2000000 needs 8000000000000000000 entries, found 1" }));
