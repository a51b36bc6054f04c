#include "TestChart.h"

#include <algorithm>
#include <array>

namespace graphics::reference
{

namespace
{
    constexpr int greySteps = 11;
    constexpr float brightestAboveOne = 4.0f;

    constexpr std::array<Rgba, 6> saturatedColours { { { 1, 0, 0, 1 }, { 0, 1, 0, 1 }, { 0, 0, 1, 1 },
                                                      { 0, 1, 1, 1 }, { 1, 0, 1, 1 }, { 1, 1, 0, 1 } } };

    /** One band's colour at a column; ramp is that column's place from 0 (left) to 1 (right). */
    Rgba bandColour (int band, int x, int width, float ramp)
    {
        switch (band)
        {
            case 0:  return { ramp, ramp, ramp, 1.0f };
            case 1:  return { ramp, 0.0f, 0.0f, 1.0f };
            case 2:  return { 0.0f, ramp, 0.0f, 1.0f };
            case 3:  return { 0.0f, 0.0f, ramp, 1.0f };
            case 4:
            {
                const auto step = (float) (x * greySteps / width) / (float) (greySteps - 1);
                return { step, step, step, 1.0f };
            }
            case 5:  return saturatedColours[(size_t) (x * (int) saturatedColours.size() / width)];
            default:
            {
                const auto value = 1.0f + (brightestAboveOne - 1.0f) * ramp;
                return { value, value, value, 1.0f };
            }
        }
    }
}

FloatImage makeTestChart (int width, int height)
{
    FloatImage chart (std::max (1, width), std::max (1, height));
    const auto w = chart.getWidth();
    const auto h = chart.getHeight();
    const auto bandHeight = std::max (1, h / testChartBands);

    for (int y = 0; y < h; ++y)
    {
        const auto band = std::min (y / bandHeight, testChartBands - 1);

        for (int x = 0; x < w; ++x)
            chart.setPixel (x, y, bandColour (band, x, w, w > 1 ? (float) x / (float) (w - 1) : 0.0f));
    }

    return chart;
}

} // namespace graphics::reference
