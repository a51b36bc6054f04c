#include "pixcore/ColorBuffer2d.h"

namespace graphics
{

ColorBuffer2d::ColorBuffer2d (int widthToUse, int heightToUse)
    : width (juce::jmax (0, widthToUse)), height (juce::jmax (0, heightToUse)),
      components ((size_t) width * (size_t) height * 4, 0.0f)
{
}

ColorBuffer2d::Pixel ColorBuffer2d::getPixel (int x, int y) const noexcept
{
    const auto* p = components.data() + indexOf (x, y);
    return { p[0], p[1], p[2], p[3] };
}

void ColorBuffer2d::setPixel (int x, int y, const Pixel& value) noexcept
{
    std::copy (value.begin(), value.end(), components.begin() + (std::ptrdiff_t) indexOf (x, y));
}

} // namespace graphics
