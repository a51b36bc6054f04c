#include "pixcore/PixelFormat.h"

namespace graphics
{

bool PixelFormat::isSupported() const noexcept
{
    return *this == rgbaFloat();
}

juce::String PixelFormat::toString() const
{
    return "(" + juce::String (colourSpace) + ", " + juce::String (reserved) + ", " + juce::String (subSampling)
             + ", " + juce::String (componentType) + ", " + juce::String (compression) + ")";
}

} // namespace graphics
