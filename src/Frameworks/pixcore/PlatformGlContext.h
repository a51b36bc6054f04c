#pragma once

#include <juce_core/juce_core.h>
#include <memory>

namespace graphics
{

/** The OpenGL version a context is asked for; always a core profile. */
struct GlVersionRequest
{
    int major = 4;
    int minor = 5;
};

//==============================================================================
/**
    An offscreen OpenGL core context of the operating system's own kind
    (surfaceless EGL on Linux, a hidden window's WGL context on Windows).
    It has no default framebuffer worth drawing into: everything renders
    into framebuffer objects.
*/
class PlatformGlContext
{
public:
    virtual ~PlatformGlContext() = default;

    /** Makes the context current on the calling thread. */
    virtual bool makeCurrent() = 0;

    /** Leaves the calling thread without a current context, so that another thread may take this one. */
    virtual void releaseCurrent() = 0;

    /** The address of an OpenGL entry point of this context, or nullptr. */
    virtual void* getFunction (const char* name) const = 0;
};

/** Creates a context of the requested version, current on the calling
    thread; nullptr with the reason in failureReason when the platform
    cannot give one. */
std::unique_ptr<PlatformGlContext> createPlatformGlContext (GlVersionRequest version, juce::String& failureReason);

} // namespace graphics
