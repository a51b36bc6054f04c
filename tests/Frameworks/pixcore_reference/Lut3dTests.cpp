#include <gtest/gtest.h>
#include <pixcore/reference/Lut3d.h>

#include <cmath>

using namespace graphics::reference;

namespace
{
    void expectNear (Rgb<double> actual, Rgb<double> expected, double tolerance)
    {
        EXPECT_NEAR (actual.r, expected.r, tolerance);
        EXPECT_NEAR (actual.g, expected.g, tolerance);
        EXPECT_NEAR (actual.b, expected.b, tolerance);
    }

    Rgb<double> squared (Rgb<double> c)
    {
        return { c.r * c.r, c.g * c.g, c.b * c.b };
    }
}

TEST (Lut3d, EntriesAreStoredRedFastestThenGreenThenBlue)
{
    const float floats[] = { 0, 0, 0, 1,   1, 2, 3, 1,   4, 5, 6, 1,   7, 8, 9, 1,
                             10, 11, 12, 1, 13, 14, 15, 1, 16, 17, 18, 1, 19, 20, 21, 1 };
    const auto lut = Lut3d::fromRgbaFloats (2, floats, std::size (floats));
    EXPECT_EQ (lut.getEntry (1, 0, 0), (Rgb<float> { 1, 2, 3 }));
    EXPECT_EQ (lut.getEntry (0, 1, 0), (Rgb<float> { 4, 5, 6 }));
    EXPECT_EQ (lut.getEntry (0, 0, 1), (Rgb<float> { 10, 11, 12 }));
    EXPECT_EQ (lut.getEntry (1, 1, 1), (Rgb<float> { 19, 20, 21 }));
}

TEST (ApplyLut, AnIdentityLutOfSizeTwoGivesBackInputsBetweenZeroAndOne)
{
    const Lut3d identity (2);

    for (double value = 0.0; value <= 1.0; value += 1.0 / 16.0)
    {
        const Rgb<double> input { value, 1.0 - value, value * value };
        expectNear (applyLut (input, identity), input, 1e-15);
        const auto inFloat = applyLut (Rgb<float> { (float) input.r, (float) input.g, (float) input.b }, identity);
        expectNear ({ inFloat.r, inFloat.g, inFloat.b }, input, 1e-7);
    }
}

TEST (ApplyLut, InputsAreClampedToZeroAndOneFirst)
{
    const Lut3d identity (2);
    expectNear (applyLut (Rgb<double> { 1.5, -0.25, 40.0 }, identity), { 1.0, 0.0, 1.0 }, 0.0);
    expectNear (applyLut (Rgb<double> { std::nan (""), -INFINITY, INFINITY }, identity), { 0.0, 0.0, 1.0 }, 0.0);

    const auto lut = Lut3d::sample (3, squared);
    expectNear (applyLut (Rgb<double> { -1.0, 2.0, 0.5 }, lut), { 0.0, 1.0, 0.25 }, 1e-7);
}

TEST (ApplyLut, AThreePointLutInterpolatesLinearlyBetweenItsEntries)
{
    // Entries 0, 0.25 and 1 at the inputs 0, 0.5 and 1.
    const auto lut = Lut3d::sample (3, squared);
    expectNear (applyLut (Rgb<double> { 0.25, 0.5, 0.75 }, lut), { 0.125, 0.25, 0.625 }, 1e-7);
    expectNear (applyLut (Rgb<double> { 0.1, 0.9, 1.0 }, lut), { 0.05, 0.25 + 0.75 * 0.8, 1.0 }, 1e-7);
}

TEST (ApplyLut, MixesTheEightEntriesAroundTheInput)
{
    // Only the corner (1, 1, 1) is lit: the output is the product of the three weights.
    const auto lut = Lut3d::sample (2, [] (Rgb<double> c) { const auto v = c.r * c.g * c.b; return Rgb<double> { v, v, v }; });
    expectNear (applyLut (Rgb<double> { 0.5, 0.5, 0.5 }, lut), { 0.125, 0.125, 0.125 }, 1e-7);
    expectNear (applyLut (Rgb<double> { 1.0, 1.0, 0.5 }, lut), { 0.5, 0.5, 0.5 }, 1e-7);
    expectNear (applyLut (Rgb<double> { 0.25, 1.0, 1.0 }, lut), { 0.25, 0.25, 0.25 }, 1e-7);
}

TEST (ApplyLut, EachOutputFollowsItsOwnAxis)
{
    // An affine mix of the axes is reproduced exactly by trilinear
    // interpolation, so any mix-up of red, green and blue shows.
    const auto mix = [] (Rgb<double> c) { return Rgb<double> { c.b, c.r, 0.5 * c.g + 0.25 }; };
    const auto lut = Lut3d::sample (5, mix);
    const Rgb<double> inputs[] = { { 0.1, 0.6, 0.95 }, { 0.83, 0.02, 0.4 }, { 1.0, 0.3, 0.0 } };

    for (const auto& input : inputs)
        expectNear (applyLut (input, lut), mix (input), 1e-6);
}

TEST (ApplyLut, ALutOfSizeOneGivesItsOneEntry)
{
    const auto lut = Lut3d::sample (1, [] (Rgb<double>) { return Rgb<double> { 0.25, 0.5, 0.75 }; });
    expectNear (applyLut (Rgb<double> { 0.9, 0.1, 3.0 }, lut), { 0.25, 0.5, 0.75 }, 0.0);
}
