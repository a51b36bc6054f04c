#pragma once

#include <juce_core/juce_core.h>
#include <array>
#include <vector>

namespace graphics
{

//==============================================================================
/**
    An image of RGBA float pixels in main memory, rows from the top, the
    form in which element inputs and outputs cross to and from the GPU.
*/
class ColorBuffer2d
{
public:
    using Pixel = std::array<float, 4>;

    /** An empty image. */
    ColorBuffer2d() = default;

    /** An image of the given size, every pixel zero. */
    ColorBuffer2d (int widthToUse, int heightToUse);

    /** The width in pixels. */
    int getWidth() const noexcept                  { return width; }

    /** The height in pixels. */
    int getHeight() const noexcept                 { return height; }

    /** One pixel; x and y must lie inside the image. */
    Pixel getPixel (int x, int y) const noexcept;

    /** Sets one pixel; x and y must lie inside the image. */
    void setPixel (int x, int y, const Pixel& value) noexcept;

    /** All components, four per pixel, row after row. */
    const float* getData() const noexcept          { return components.data(); }

    /** All components, for writing. */
    float* getData() noexcept                      { return components.data(); }

private:
    int width = 0, height = 0;
    std::vector<float> components;

    size_t indexOf (int x, int y) const noexcept   { return ((size_t) y * (size_t) width + (size_t) x) * 4; }
};

} // namespace graphics
