#include <gtest/gtest.h>
#include <pixcore/reference/TestChart.h>

using namespace graphics::reference;

namespace
{
    /** The middle row of a band of a chart of that height. */
    int rowOfBand (int band, int height)
    {
        const auto bandHeight = height / testChartBands;
        return band * bandHeight + bandHeight / 2;
    }

    struct ChartCase
    {
        int band, x;
        Rgba expected;
    };
}

TEST (TestChart, HasRampsAGreyScaleSaturatedColoursAndValuesAboveOne)
{
    constexpr int width = 221, height = 70;
    const auto chart = makeTestChart (width, height);
    ASSERT_EQ (chart.getWidth(), width);
    ASSERT_EQ (chart.getHeight(), height);

    const ChartCase cases[] = {
        { 0, 0, { 0.0f, 0.0f, 0.0f, 1.0f } },   { 0, 110, { 0.5f, 0.5f, 0.5f, 1.0f } }, { 0, 220, { 1.0f, 1.0f, 1.0f, 1.0f } },
        { 1, 55, { 0.25f, 0.0f, 0.0f, 1.0f } }, { 2, 220, { 0.0f, 1.0f, 0.0f, 1.0f } }, { 3, 165, { 0.0f, 0.0f, 0.75f, 1.0f } },
        { 4, 0, { 0.0f, 0.0f, 0.0f, 1.0f } },   { 4, 110, { 0.5f, 0.5f, 0.5f, 1.0f } }, { 4, 220, { 1.0f, 1.0f, 1.0f, 1.0f } },
        { 5, 0, { 1.0f, 0.0f, 0.0f, 1.0f } },   { 5, 80, { 0.0f, 0.0f, 1.0f, 1.0f } },  { 5, 220, { 1.0f, 1.0f, 0.0f, 1.0f } },
        { 6, 0, { 1.0f, 1.0f, 1.0f, 1.0f } },   { 6, 110, { 2.5f, 2.5f, 2.5f, 1.0f } }, { 6, 220, { 4.0f, 4.0f, 4.0f, 1.0f } },
    };

    for (const auto& c : cases)
    {
        const auto actual = chart.getPixel (c.x, rowOfBand (c.band, height));
        EXPECT_NEAR (actual.r, c.expected.r, 1e-6f) << "band " << c.band << " x " << c.x;
        EXPECT_NEAR (actual.g, c.expected.g, 1e-6f) << "band " << c.band << " x " << c.x;
        EXPECT_NEAR (actual.b, c.expected.b, 1e-6f) << "band " << c.band << " x " << c.x;
        EXPECT_EQ (actual.a, 1.0f);
    }
}

TEST (TestChart, TheLastBandTakesTheRowsLeftOver)
{
    const auto chart = makeTestChart (4, 10);   // bands of one row; rows 6 to 9 are above 1
    EXPECT_EQ (chart.getPixel (3, 9).r, 4.0f);
    EXPECT_EQ (chart.getPixel (0, 5), (Rgba { 1.0f, 0.0f, 0.0f, 1.0f }));
    EXPECT_EQ (chart.getPixel (3, 5), (Rgba { 1.0f, 0.0f, 1.0f, 1.0f }));   // x = 3 of 4 is the fifth of six patches
}

TEST (TestChart, TheDefaultIsFullHd)
{
    const auto chart = makeTestChart();
    EXPECT_EQ (chart.getWidth(), 1920);
    EXPECT_EQ (chart.getHeight(), 1080);
}
