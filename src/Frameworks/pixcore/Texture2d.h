#pragma once

#include "pixcore/ColorBuffer2d.h"
#include "pixcore/GlTexture.h"

namespace graphics
{

//==============================================================================
/**
    An RGBA32F 2D texture, single level: an element's input or output.
    Its calls need the context that made it current on the calling thread.
*/
class Texture2d
{
public:
    /** A texture of the given size with undefined texels. */
    Texture2d (std::weak_ptr<const GlFunctions> functions, int width, int height);

    /** The width in texels. */
    int getWidth() const noexcept                  { return width; }

    /** The height in texels. */
    int getHeight() const noexcept                 { return height; }

    /** Replaces the texels with the image's, taking the image's size. */
    void upload (const ColorBuffer2d& image);

    /** Reads the texels back as floats. */
    ColorBuffer2d readBack() const;

    /** The texture, for binding and framebuffer attachment. */
    const GlTexture& getTexture() const noexcept   { return texture; }

private:
    GlTexture texture;
    int width, height;

    void allocate (const float* texels);
    JUCE_DECLARE_NON_COPYABLE (Texture2d)
};

} // namespace graphics
