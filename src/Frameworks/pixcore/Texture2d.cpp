#include "pixcore/Texture2d.h"

namespace graphics
{

Texture2d::Texture2d (std::weak_ptr<const GlFunctions> functions, int w, int h)
    : texture (std::move (functions), GL_TEXTURE_2D), width (juce::jmax (1, w)), height (juce::jmax (1, h))
{
    allocate (nullptr);
}

void Texture2d::allocate (const float* texels)
{
    if (auto gl = texture.bind())
    {
        // Inputs are read one texel per pixel: nearest, so that a pixel's
        // value arrives exactly as it was uploaded.
        gl->glTexParameteri (GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        gl->glTexParameteri (GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        gl->glTexParameteri (GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        gl->glTexParameteri (GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        gl->glTexParameteri (GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
        gl->glPixelStorei (GL_UNPACK_ALIGNMENT, 4);
        gl->glTexImage2D (GL_TEXTURE_2D, 0, GL_RGBA32F, width, height, 0, GL_RGBA, GL_FLOAT, texels);
    }
}

void Texture2d::upload (const ColorBuffer2d& image)
{
    if (image.getWidth() != width || image.getHeight() != height)
    {
        width = juce::jmax (1, image.getWidth());
        height = juce::jmax (1, image.getHeight());
        allocate (image.getWidth() > 0 && image.getHeight() > 0 ? image.getData() : nullptr);
        return;
    }

    if (auto gl = texture.bind())
    {
        gl->glPixelStorei (GL_UNPACK_ALIGNMENT, 4);
        gl->glTexSubImage2D (GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RGBA, GL_FLOAT, image.getData());
    }
}

ColorBuffer2d Texture2d::readBack() const
{
    ColorBuffer2d image (width, height);

    if (auto gl = texture.bind())
    {
        gl->glPixelStorei (GL_PACK_ALIGNMENT, 4);
        gl->glGetTexImage (GL_TEXTURE_2D, 0, GL_RGBA, GL_FLOAT, image.getData());
    }

    return image;
}

} // namespace graphics
