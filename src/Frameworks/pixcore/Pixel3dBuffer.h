#pragma once

#include "pixcore/GlTexture.h"
#include "pixcore/OwnedColor3dBuffer.h"

namespace graphics
{

//==============================================================================
/**
    The GPU copy of an OwnedColor3dBuffer: a single-level GL_TEXTURE_3D in
    RGBA32F. Made by GraphicsContext::createPixel3dBuffer, which hands out
    the same copy for the same buffer for as long as somebody holds it.

    It follows its source buffer weakly; once the source is gone, update()
    keeps the last texels.
*/
class Pixel3dBuffer
{
public:
    /** A copy of source whose texels arrive with the first update(). */
    Pixel3dBuffer (std::weak_ptr<const GlFunctions> functions, const OwnedColor3dBuffer& source);

    /** Uploads the source's texels if they changed since the last upload;
        the texture storage is only allocated again when the size changed.
        Needs the context current on the calling thread. */
    void update();

    /** True when this is the copy of the given buffer (the same living object). */
    bool isCopyOf (const OwnedColor3dBuffer& buffer) const;

    /** The texture, for binding. */
    const GlTexture& getTexture() const noexcept       { return texture; }

    /** The texture's width as last allocated. */
    int getWidth() const noexcept                      { return width; }

    /** The texture's height as last allocated. */
    int getHeight() const noexcept                     { return height; }

    /** The texture's depth as last allocated. */
    int getDepth() const noexcept                      { return depth; }

    /** How often the texture storage was allocated. */
    int getNumAllocations() const noexcept             { return numAllocations; }

    /** How often texels were uploaded. */
    int getNumUploads() const noexcept                 { return numUploads; }

private:
    GlTexture texture;
    const OwnedColor3dBuffer* source;
    std::weak_ptr<tav::Object*> sourceLifetime;
    juce::uint64 uploadedVersion = 0;
    bool hasUploaded = false;
    int width = 0, height = 0, depth = 0;
    int numAllocations = 0, numUploads = 0;

    JUCE_DECLARE_NON_COPYABLE (Pixel3dBuffer)
};

} // namespace graphics
