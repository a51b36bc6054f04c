#pragma once

#include "pixcore/PixelFormat.h"
#include <tavcore/Object.h>
#include <vector>

namespace graphics
{

//==============================================================================
/**
    A volume of colour texels in main memory, such as a 3D LUT: width × height
    × depth texels of one pixel format, red index (x) fastest, then green (y),
    then blue (z).

    The buffer counts changes to its texels, so that a GPU copy made from it
    (GraphicsContext::createPixel3dBuffer) uploads only when there is
    something new. Its texels are not part of its saved state.
*/
class OwnedColor3dBuffer : public tav::Object
{
public:
    OwnedColor3dBuffer() = default;

    juce::String getClassName() const override    { return "OwnedColor3dBuffer"; }

    /** Gives the buffer a format and a size, with every texel zero; refuses
        an unsupported format or a negative size, leaving the buffer as it was. */
    juce::Result resize (const PixelFormat& newFormat, int newWidth, int newHeight, int newDepth);

    /** The texels' format. */
    const PixelFormat& getFormat() const noexcept    { return format; }

    /** Texels along red (x). */
    int getWidth() const noexcept                    { return width; }

    /** Texels along green (y). */
    int getHeight() const noexcept                   { return height; }

    /** Texels along blue (z). */
    int getDepth() const noexcept                    { return depth; }

    /** The size of the texel data in bytes. */
    size_t getNumBytes() const noexcept              { return texels.size() * sizeof (float); }

    /** The texels, read-only. */
    const float* getPixelData() const noexcept       { return texels.data(); }

    /** The texels for writing; counts as a change of their content. */
    float* getWritablePixelData() noexcept;

    /** Grows whenever the texels may have changed (resize, writable access). */
    juce::uint64 getContentVersion() const noexcept  { return contentVersion; }

private:
    PixelFormat format = PixelFormat::rgbaFloat();
    int width = 0, height = 0, depth = 0;
    std::vector<float> texels;
    juce::uint64 contentVersion = 0;
};

} // namespace graphics
