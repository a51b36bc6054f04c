#pragma once

#include "FloatImage.h"

namespace graphics::reference
{

//==============================================================================
/**
    The generated test chart that the host grades when it is given no input
    image. Seven horizontal bands of equal height (the last takes the rows
    left over), from the top:

    0. a grey ramp from 0 at the left column to 1 at the right column;
    1. a red ramp, 2. a green ramp, 3. a blue ramp, each from 0 to 1 like the
       grey one, the other two components 0;
    4. a grey scale of 11 equal-width steps: 0, 0.1, 0.2 ... 1;
    5. six equal-width saturated colours at 1: red, green, blue, cyan,
       magenta, yellow;
    6. a grey ramp above 1: from 1 at the left column to 4 at the right.

    Alpha is 1 everywhere. Any size of at least 1 × 1 works; charts shorter
    than 7 rows leave out the lower bands.
*/
FloatImage makeTestChart (int width = 1920, int height = 1080);

/** The number of bands in the test chart. */
constexpr int testChartBands = 7;

} // namespace graphics::reference
