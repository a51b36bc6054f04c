#pragma once

#include "pixcore/GlFunctions.h"
#include <memory>

namespace graphics
{

//==============================================================================
/**
    Owns one OpenGL texture name of a context. The context's entry points
    are held weakly: once the context is gone its textures went with it,
    and the handle has nothing left to delete.
*/
class GlTexture
{
public:
    /** Generates a texture name for the given target (GL_TEXTURE_2D, GL_TEXTURE_3D). */
    GlTexture (std::weak_ptr<const GlFunctions> functions, GLenum target);
    ~GlTexture();

    GlTexture (GlTexture&&) noexcept;
    GlTexture& operator= (GlTexture&&) noexcept;

    /** The texture name. */
    GLuint getId() const noexcept                  { return id; }

    /** The target the texture is bound to. */
    GLenum getTarget() const noexcept              { return target; }

    /** Binds the texture to its target on the active texture unit and
        returns the context's entry points, or nullptr when the context is gone. */
    std::shared_ptr<const GlFunctions> bind() const;

private:
    std::weak_ptr<const GlFunctions> gl;
    GLenum target;
    GLuint id = 0;

    void release() noexcept;
    JUCE_DECLARE_NON_COPYABLE (GlTexture)
};

} // namespace graphics
