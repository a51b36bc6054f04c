#pragma once

#include "Rgb.h"
#include <array>
#include <cmath>

namespace graphics::reference
{

//==============================================================================
/** An ASC CDL as the grading application sends it: per-channel slope, offset and power, and one saturation. */
struct Cdl
{
    std::array<double, 3> slope { 1.0, 1.0, 1.0 };
    std::array<double, 3> offset { 0.0, 0.0, 0.0 };
    std::array<double, 3> power { 1.0, 1.0, 1.0 };
    double saturation = 1.0;
};

/** The Rec.709 luma of a colour: 0.2126 r + 0.7152 g + 0.0722 b. */
template <typename T>
T rec709Luma (Rgb<T> c)
{
    return T (0.2126) * c.r + T (0.7152) * c.g + T (0.0722) * c.b;
}

/**
    One CDL channel: pow (max (c * slope + offset, 0), power). Negative
    results of slope and offset become 0 before the power; there is no upper
    clamp. NaN becomes 0 too, as GLSL's max (NaN, 0) gives on GPUs.
*/
template <typename T>
T applyCdlChannel (T c, double slope, double offset, double power)
{
    const auto graded = c * T (slope) + T (offset);
    return std::pow (graded > 0 ? graded : T (0), T (power));
}

/** The CDL of the grading shader: slope, offset and power per channel, then saturation around the Rec.709 luma. */
template <typename T>
Rgb<T> applyCdl (Rgb<T> c, const Cdl& cdl)
{
    const Rgb<T> powered { applyCdlChannel (c.r, cdl.slope[0], cdl.offset[0], cdl.power[0]),
                           applyCdlChannel (c.g, cdl.slope[1], cdl.offset[1], cdl.power[1]),
                           applyCdlChannel (c.b, cdl.slope[2], cdl.offset[2], cdl.power[2]) };
    const auto luma = rec709Luma (powered);
    const auto saturation = T (cdl.saturation);
    return { luma + saturation * (powered.r - luma),
             luma + saturation * (powered.g - luma),
             luma + saturation * (powered.b - luma) };
}

} // namespace graphics::reference
