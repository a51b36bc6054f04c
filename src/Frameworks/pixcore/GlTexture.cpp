#include "pixcore/GlTexture.h"

namespace graphics
{

GlTexture::GlTexture (std::weak_ptr<const GlFunctions> functions, GLenum targetToUse)
    : gl (std::move (functions)), target (targetToUse)
{
    if (auto f = gl.lock())
        f->glGenTextures (1, &id);
}

GlTexture::~GlTexture()
{
    release();
}

GlTexture::GlTexture (GlTexture&& other) noexcept
    : gl (std::move (other.gl)), target (other.target), id (std::exchange (other.id, 0u))
{
}

GlTexture& GlTexture::operator= (GlTexture&& other) noexcept
{
    if (this != &other)
    {
        release();
        gl = std::move (other.gl);
        target = other.target;
        id = std::exchange (other.id, 0u);
    }

    return *this;
}

std::shared_ptr<const GlFunctions> GlTexture::bind() const
{
    auto f = gl.lock();

    if (f != nullptr)
        f->glBindTexture (target, id);

    return f;
}

void GlTexture::release() noexcept
{
    if (auto f = gl.lock(); f != nullptr && id != 0)
        f->glDeleteTextures (1, &id);

    id = 0;
}

} // namespace graphics
