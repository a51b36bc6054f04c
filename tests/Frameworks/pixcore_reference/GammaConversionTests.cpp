#include <gtest/gtest.h>
#include <pixcore/reference/GammaConversion.h>

#include <cmath>
#include <limits>

using namespace graphics::reference;

namespace
{
    struct GammaCase
    {
        double value, from, to, expected;
    };

    // Expected values: 0.5^2.2 and 0.5^(1/2.2), by hand on a calculator.
    const GammaCase gammaCases[] = {
        { 0.5, 2.2, 1.0, 0.217637640824031 },
        { 0.5, 1.0, 2.2, 0.729740052840723 },
        { -0.5, 2.2, 1.0, -0.217637640824031 },   // mirrored, not clamped
        { 2.0, 2.2, 1.1, 4.0 },                   // above 1: the plain power 2
        { 0.0, 2.2, 1.0, 0.0 },
        { 1.0, 2.4, 1.0, 1.0 },
    };
}

TEST (ConvertGamma, RaisesToTheRatioOfTheGammasAndMirrorsNegatives)
{
    for (const auto& c : gammaCases)
    {
        EXPECT_NEAR (convertGamma (c.value, c.from, c.to), c.expected, 1e-12) << c.value << " " << c.from << " -> " << c.to;
        EXPECT_NEAR (convertGamma ((float) c.value, (float) c.from, (float) c.to), (float) c.expected, 1e-6f) << c.value;
    }
}

TEST (ConvertGamma, EqualGammasLeaveEveryValueExactlyAsItWas)
{
    const double values[] = { -3.25, -1e-30, 0.0, 0.1, 0.7, 1.0, 17.5, std::numeric_limits<double>::infinity() };

    for (auto value : values)
    {
        EXPECT_EQ (convertGamma (value, 2.2, 2.2), value);
        EXPECT_EQ (convertGamma ((float) value, 2.2f, 2.2f), (float) value);
    }

    EXPECT_TRUE (std::isnan (convertGamma (std::nan (""), 2.2, 2.2)));
}

TEST (ConvertGamma, AConversionAndItsInverseGiveBackTheInput)
{
    for (double value = -2.0; value <= 2.0; value += 0.125)
    {
        const Rgb<double> colour { value, value * 0.5, -value };
        const auto back = convertGamma (convertGamma (colour, 1.0, 2.2), 2.2, 1.0);
        EXPECT_NEAR (back.r, colour.r, 1e-12);
        EXPECT_NEAR (back.g, colour.g, 1e-12);
        EXPECT_NEAR (back.b, colour.b, 1e-12);
    }
}
