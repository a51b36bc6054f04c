#pragma once

#include <cstddef>
#include <vector>

namespace graphics::reference
{

//==============================================================================
/** Four floats per pixel: red, green, blue and alpha. */
struct Rgba
{
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 1.0f;

    bool operator== (const Rgba&) const = default;
};

//==============================================================================
/**
    An image of float RGBA pixels, rows from top to bottom. Components are not
    limited to [0, 1]: images hold values above 1 and below 0 as they are.
*/
class FloatImage
{
public:
    /** An empty image (0 × 0). */
    FloatImage() = default;

    /** An image of that size (negative sizes count as 0), every pixel the given colour. */
    FloatImage (int width, int height, Rgba fill = { 0.0f, 0.0f, 0.0f, 0.0f });

    /** The number of columns. */
    int getWidth() const noexcept       { return width; }

    /** The number of rows. */
    int getHeight() const noexcept      { return height; }

    /** True when the image has no pixels. */
    bool isEmpty() const noexcept       { return pixels.empty(); }

    /** The pixel at column x of row y (0 is the top row). */
    Rgba getPixel (int x, int y) const noexcept             { return pixels[indexOf (x, y)]; }

    /** Changes the pixel at column x of row y. */
    void setPixel (int x, int y, Rgba colour) noexcept      { pixels[indexOf (x, y)] = colour; }

    /** All pixels, row after row from the top. */
    const std::vector<Rgba>& getPixels() const noexcept     { return pixels; }

    /** All pixels, row after row from the top, to change in place. */
    std::vector<Rgba>& getPixels() noexcept                 { return pixels; }

    /** True when both have the same size and the same pixels. */
    bool operator== (const FloatImage&) const = default;

private:
    size_t indexOf (int x, int y) const noexcept    { return (size_t) y * (size_t) width + (size_t) x; }

    int width = 0, height = 0;
    std::vector<Rgba> pixels;
};

} // namespace graphics::reference
