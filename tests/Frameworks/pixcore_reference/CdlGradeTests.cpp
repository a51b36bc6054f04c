#include <gtest/gtest.h>
#include <pixcore/reference/CdlGrade.h>

#include <cmath>

using namespace graphics::reference;

namespace
{
    Cdl makeCdl (std::array<double, 3> slope, std::array<double, 3> offset, std::array<double, 3> power, double saturation)
    {
        Cdl cdl;
        cdl.slope = slope;
        cdl.offset = offset;
        cdl.power = power;
        cdl.saturation = saturation;
        return cdl;
    }

    void expectNear (Rgb<double> actual, Rgb<double> expected, double tolerance)
    {
        EXPECT_NEAR (actual.r, expected.r, tolerance);
        EXPECT_NEAR (actual.g, expected.g, tolerance);
        EXPECT_NEAR (actual.b, expected.b, tolerance);
    }
}

TEST (ApplyCdl, SlopeOffsetAndPowerPerChannel)
{
    // r: (0.5 * 2 + 0.1)^1 = 1.1; g: (0.5 * 1 + 0)^2 = 0.25; b: (0.5 * 0.5 - 0.05)^0.5 = sqrt (0.2).
    const auto cdl = makeCdl ({ 2.0, 1.0, 0.5 }, { 0.1, 0.0, -0.05 }, { 1.0, 2.0, 0.5 }, 1.0);
    expectNear (applyCdl (Rgb<double> { 0.5, 0.5, 0.5 }, cdl), { 1.1, 0.25, 0.447213595499958 }, 1e-12);
}

TEST (ApplyCdl, NegativesBecomeZeroBeforeThePowerAndNothingIsClampedAbove)
{
    const auto cdl = makeCdl ({ 1.0, 1.0, 3.0 }, { -0.5, 0.0, 0.0 }, { 2.0, 0.5, 1.0 }, 1.0);
    // r: 0.2 - 0.5 < 0 -> 0; g: -4 -> 0; b: 3 * 1.5 = 4.5, kept.
    expectNear (applyCdl (Rgb<double> { 0.2, -4.0, 1.5 }, cdl), { 0.0, 0.0, 4.5 }, 1e-12);
}

TEST (ApplyCdl, SaturationZeroGivesTheRec709LumaInAllThreeComponents)
{
    const auto grey = applyCdl (Rgb<double> { 1.0, 0.5, 0.25 }, makeCdl ({ 1, 1, 1 }, { 0, 0, 0 }, { 1, 1, 1 }, 0.0));
    const auto luma = 0.2126 * 1.0 + 0.7152 * 0.5 + 0.0722 * 0.25;   // 0.58825
    expectNear (grey, { luma, luma, luma }, 1e-12);

    const auto greyInFloat = applyCdl (Rgb<float> { 1.0f, 0.5f, 0.25f }, makeCdl ({ 1, 1, 1 }, { 0, 0, 0 }, { 1, 1, 1 }, 0.0));
    EXPECT_NEAR (greyInFloat.r, 0.58825f, 1e-6f);
    EXPECT_EQ (greyInFloat.r, greyInFloat.g);
    EXPECT_EQ (greyInFloat.g, greyInFloat.b);
}

TEST (ApplyCdl, SaturationScalesTheDistanceFromTheLuma)
{
    // luma of (0.8, 0.4, 0.2) = 0.17008 + 0.28608 + 0.01444 = 0.4706; saturation 2 doubles each distance.
    const auto graded = applyCdl (Rgb<double> { 0.8, 0.4, 0.2 }, makeCdl ({ 1, 1, 1 }, { 0, 0, 0 }, { 1, 1, 1 }, 2.0));
    expectNear (graded, { 1.1294, 0.3294, -0.0706 }, 1e-12);
}

TEST (ApplyCdl, TheIdentityOnlyClampsNegatives)
{
    const Cdl identity;
    expectNear (applyCdl (Rgb<double> { 0.3, 1.7, -0.2 }, identity), { 0.3, 1.7, 0.0 }, 1e-12);

    const auto fromNan = applyCdl (Rgb<double> { std::nan (""), 0.5, 0.5 }, identity);
    EXPECT_EQ (fromNan.r, 0.0);
}
