#pragma once

#include "Rgb.h"
#include <cstddef>
#include <functional>
#include <vector>

namespace graphics::reference
{

//==============================================================================
/**
    A 3D LUT of size × size × size entries, stored as the grading channel
    stores it: four floats per entry (red, green, blue, and a fourth that the
    grade ignores), red index fastest, then green, then blue. Entry (i, j, k)
    is the output for the input (i, j, k) / (size - 1).
*/
class Lut3d
{
public:
    /** The identity LUT of that size (at least 1): each entry equals its input. */
    explicit Lut3d (int size);

    /** A LUT of that size whose entries are the function's values at the entries' inputs. */
    static Lut3d sample (int size, const std::function<Rgb<double> (Rgb<double>)>& function);

    /** A LUT made from size³ × 4 floats in the channel's order; fewer floats leave the rest identity. */
    static Lut3d fromRgbaFloats (int size, const float* rgba, size_t numFloats);

    /** The number of entries along each axis. */
    int getSize() const noexcept                    { return size; }

    /** The output colour of entry (red, green, blue). */
    Rgb<float> getEntry (int red, int green, int blue) const noexcept;

    /** Changes the output colour of entry (red, green, blue). */
    void setEntry (int red, int green, int blue, Rgb<float> colour) noexcept;

    /** The four floats per entry, in the channel's order. */
    const std::vector<float>& getRgbaFloats() const noexcept    { return rgba; }

private:
    size_t indexOf (int red, int green, int blue) const noexcept;

    int size;
    std::vector<float> rgba;
};

//==============================================================================
/**
    Where an input component falls between two LUT entries: the lower entry's
    index and the weight of the upper one. The input is clamped to [0, 1]
    first (NaN counts as 0), as the shader's clamp does.
*/
template <typename T>
struct LutCell
{
    int index = 0;
    T weight = 0;

    LutCell (T component, int size)
    {
        const auto clamped = component > 0 ? (component < 1 ? component : T (1)) : T (0);
        const auto position = clamped * T (size - 1);
        index = size > 1 ? (int) position : 0;

        if (index > size - 2)
            index = size > 1 ? size - 2 : 0;

        weight = size > 1 ? position - T (index) : T (0);
    }
};

/** A linear blend of two colours: a at weight 0, b at weight 1. */
template <typename T>
Rgb<T> mixColours (Rgb<T> a, Rgb<T> b, T weight)
{
    return { a.r + (b.r - a.r) * weight, a.g + (b.g - a.g) * weight, a.b + (b.b - a.b) * weight };
}

/**
    The LUT of the grading shader: trilinear interpolation between the eight
    entries around the input, in the precision T, with the input clamped to
    [0, 1]. A LUT of size 1 gives its one entry for every input.
*/
template <typename T>
Rgb<T> applyLut (Rgb<T> c, const Lut3d& lut)
{
    const auto size = lut.getSize();
    const LutCell<T> r (c.r, size), g (c.g, size), b (c.b, size);
    const auto step = size > 1 ? 1 : 0;

    const auto entry = [&] (int dr, int dg, int db)
    {
        const auto e = lut.getEntry (r.index + dr * step, g.index + dg * step, b.index + db * step);
        return Rgb<T> { T (e.r), T (e.g), T (e.b) };
    };

    const auto alongRed = [&] (int dg, int db) { return mixColours (entry (0, dg, db), entry (1, dg, db), r.weight); };
    const auto alongGreen = [&] (int db) { return mixColours (alongRed (0, db), alongRed (1, db), g.weight); };
    return mixColours (alongGreen (0), alongGreen (1), b.weight);
}

} // namespace graphics::reference
