#include "pixcore/OwnedColor3dBuffer.h"

namespace graphics
{

juce::Result OwnedColor3dBuffer::resize (const PixelFormat& newFormat, int newWidth, int newHeight, int newDepth)
{
    if (! newFormat.isSupported())
        return juce::Result::fail ("The pixel format " + newFormat.toString() + " is not implemented; only "
                                     + PixelFormat::rgbaFloat().toString() + " (four 32-bit floats) is");

    if (newWidth < 0 || newHeight < 0 || newDepth < 0)
        return juce::Result::fail ("A colour buffer cannot have a negative size");

    format = newFormat;
    width = newWidth;
    height = newHeight;
    depth = newDepth;
    texels.assign ((size_t) width * (size_t) height * (size_t) depth * (size_t) format.getNumComponents(), 0.0f);
    ++contentVersion;
    return juce::Result::ok();
}

float* OwnedColor3dBuffer::getWritablePixelData() noexcept
{
    ++contentVersion;
    return texels.data();
}

} // namespace graphics
