#include "pixcore/Pixel3dBuffer.h"

namespace graphics
{

Pixel3dBuffer::Pixel3dBuffer (std::weak_ptr<const GlFunctions> functions, const OwnedColor3dBuffer& sourceToFollow)
    : texture (std::move (functions), GL_TEXTURE_3D),
      source (&sourceToFollow),
      sourceLifetime (sourceToFollow.getLifetimeToken())
{
}

bool Pixel3dBuffer::isCopyOf (const OwnedColor3dBuffer& buffer) const
{
    auto token = sourceLifetime.lock();
    return token != nullptr && *token == &buffer;
}

void Pixel3dBuffer::update()
{
    if (sourceLifetime.expired())
        return;

    if (hasUploaded && source->getContentVersion() == uploadedVersion)
        return;

    auto gl = texture.bind();

    if (gl == nullptr)
        return;

    gl->glPixelStorei (GL_UNPACK_ALIGNMENT, 4);
    const bool sizeChanged = ! hasUploaded || source->getWidth() != width
                               || source->getHeight() != height || source->getDepth() != depth;

    if (sizeChanged)
    {
        width = source->getWidth();
        height = source->getHeight();
        depth = source->getDepth();
        gl->glTexParameteri (GL_TEXTURE_3D, GL_TEXTURE_MAX_LEVEL, 0);
        gl->glTexImage3D (GL_TEXTURE_3D, 0, GL_RGBA32F, width, height, depth, 0, GL_RGBA, GL_FLOAT, source->getPixelData());
        ++numAllocations;
    }
    else
    {
        gl->glTexSubImage3D (GL_TEXTURE_3D, 0, 0, 0, 0, width, height, depth, GL_RGBA, GL_FLOAT, source->getPixelData());
    }

    ++numUploads;
    uploadedVersion = source->getContentVersion();
    hasUploaded = true;
}

} // namespace graphics
