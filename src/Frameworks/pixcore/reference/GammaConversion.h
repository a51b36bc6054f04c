#pragma once

#include "Rgb.h"
#include <cmath>

namespace graphics::reference
{

//==============================================================================
/**
    Re-encodes a component that is encoded with the gamma fromGamma so that it
    is encoded with toGamma:

        convertGamma (c, from, to) = c                                 when from == to
                                   = sign (c) * pow (abs (c), from / to) otherwise

    Decoding c^from to light and re-encoding with 1/to gives the single power
    from / to. Negative components are mirrored around zero rather than
    clamped: a conversion and its inverse then give back every input, and
    equal gammas are an exact identity (no pow at all), so the default
    rendering gamma of 2.2 leaves pixels bit for bit as they were. The grade
    itself clamps negatives where its formulas need it.

    The shader frame's convertGamma computes the same, in float:

        vec3 convertGamma (vec3 c, float from, float to)
        {
            if (from == to) return c;
            return sign (c) * pow (abs (c), vec3 (from / to));
        }

    Both gammas are finite and above 0 (the host refuses others), so pow never
    sees a negative base nor a zero base with an exponent of 0 or less. NaN
    stays NaN.
*/
template <typename T>
T convertGamma (T component, T fromGamma, T toGamma)
{
    if (fromGamma == toGamma)
        return component;

    const auto magnitude = std::pow (std::abs (component), fromGamma / toGamma);
    return component < 0 ? -magnitude : magnitude;
}

/** convertGamma of each component. */
template <typename T>
Rgb<T> convertGamma (Rgb<T> colour, T fromGamma, T toGamma)
{
    return { convertGamma (colour.r, fromGamma, toGamma),
             convertGamma (colour.g, fromGamma, toGamma),
             convertGamma (colour.b, fromGamma, toGamma) };
}

} // namespace graphics::reference
