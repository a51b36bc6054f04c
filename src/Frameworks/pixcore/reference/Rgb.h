#pragma once

namespace graphics::reference
{

//==============================================================================
/** The three colour components of a pixel, in the precision T (float or double). */
template <typename T>
struct Rgb
{
    T r = 0, g = 0, b = 0;

    bool operator== (const Rgb&) const = default;
};

} // namespace graphics::reference
