#include "Lut3d.h"

#include <algorithm>

namespace graphics::reference
{

namespace
{
    constexpr size_t floatsPerEntry = 4;

    double inputOf (int index, int size)
    {
        return size > 1 ? (double) index / (double) (size - 1) : 0.0;
    }
}

Lut3d::Lut3d (int lutSize)
    : size (std::max (1, lutSize)),
      rgba ((size_t) size * (size_t) size * (size_t) size * floatsPerEntry)
{
    for (int blue = 0; blue < size; ++blue)
        for (int green = 0; green < size; ++green)
            for (int red = 0; red < size; ++red)
                setEntry (red, green, blue, { (float) inputOf (red, size), (float) inputOf (green, size), (float) inputOf (blue, size) });
}

Lut3d Lut3d::sample (int size, const std::function<Rgb<double> (Rgb<double>)>& function)
{
    Lut3d lut (size);
    const auto n = lut.size;

    for (int blue = 0; blue < n; ++blue)
        for (int green = 0; green < n; ++green)
            for (int red = 0; red < n; ++red)
            {
                const auto out = function ({ inputOf (red, n), inputOf (green, n), inputOf (blue, n) });
                lut.setEntry (red, green, blue, { (float) out.r, (float) out.g, (float) out.b });
            }

    return lut;
}

Lut3d Lut3d::fromRgbaFloats (int size, const float* floats, size_t numFloats)
{
    Lut3d lut (size);
    std::copy_n (floats, std::min (numFloats, lut.rgba.size()), lut.rgba.begin());
    return lut;
}

Rgb<float> Lut3d::getEntry (int red, int green, int blue) const noexcept
{
    const auto* e = rgba.data() + indexOf (red, green, blue);
    return { e[0], e[1], e[2] };
}

void Lut3d::setEntry (int red, int green, int blue, Rgb<float> colour) noexcept
{
    auto* e = rgba.data() + indexOf (red, green, blue);
    e[0] = colour.r;
    e[1] = colour.g;
    e[2] = colour.b;
    e[3] = 1.0f;
}

size_t Lut3d::indexOf (int red, int green, int blue) const noexcept
{
    const auto n = (size_t) size;
    return (((size_t) blue * n + (size_t) green) * n + (size_t) red) * floatsPerEntry;
}

} // namespace graphics::reference
