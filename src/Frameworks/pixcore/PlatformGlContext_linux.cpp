#include "pixcore/PlatformGlContext.h"
#include <EGL/egl.h>
#include <EGL/eglext.h>

namespace graphics
{

namespace
{
    juce::String describeEglError (EGLint error)
    {
        switch (error)
        {
            case EGL_NOT_INITIALIZED:   return "EGL_NOT_INITIALIZED";
            case EGL_BAD_ACCESS:        return "EGL_BAD_ACCESS";
            case EGL_BAD_ALLOC:         return "EGL_BAD_ALLOC";
            case EGL_BAD_ATTRIBUTE:     return "EGL_BAD_ATTRIBUTE";
            case EGL_BAD_CONFIG:        return "EGL_BAD_CONFIG";
            case EGL_BAD_CONTEXT:       return "EGL_BAD_CONTEXT";
            case EGL_BAD_DISPLAY:       return "EGL_BAD_DISPLAY";
            case EGL_BAD_MATCH:         return "EGL_BAD_MATCH";
            case EGL_BAD_PARAMETER:     return "EGL_BAD_PARAMETER";
            default:                    return "EGL error 0x" + juce::String::toHexString (error);
        }
    }

    juce::String eglFailure (const char* call)
    {
        return juce::String (call) + " failed (" + describeEglError (eglGetError()) + ")";
    }

    //==============================================================================
    class EglContext : public PlatformGlContext
    {
    public:
        EglContext (EGLDisplay d, EGLContext c) : display (d), context (c) {}

        // The display stays initialised: it is shared by every context of the
        // process, and terminating it would take the others' resources along.
        ~EglContext() override
        {
            if (eglGetCurrentContext() == context)
                eglMakeCurrent (display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);

            eglDestroyContext (display, context);
        }

        bool makeCurrent() override
        {
            return eglMakeCurrent (display, EGL_NO_SURFACE, EGL_NO_SURFACE, context) == EGL_TRUE;
        }

        void releaseCurrent() override
        {
            eglMakeCurrent (display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        }

        void* getFunction (const char* name) const override
        {
            return reinterpret_cast<void*> (eglGetProcAddress (name));
        }

    private:
        EGLDisplay display;
        EGLContext context;
    };

    // A display that needs no window system: the surfaceless platform works
    // on a machine without X or Wayland, with a GPU or with llvmpipe.
    EGLDisplay openSurfacelessDisplay (juce::String& failureReason)
    {
        auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC> (eglGetProcAddress ("eglGetPlatformDisplayEXT"));

        if (getPlatformDisplay == nullptr)
        {
            failureReason = "EGL has no eglGetPlatformDisplayEXT";
            return EGL_NO_DISPLAY;
        }

        auto display = getPlatformDisplay (EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);

        if (display == EGL_NO_DISPLAY)
        {
            failureReason = eglFailure ("eglGetPlatformDisplayEXT (surfaceless)");
            return EGL_NO_DISPLAY;
        }

        if (eglInitialize (display, nullptr, nullptr) != EGL_TRUE)
        {
            failureReason = eglFailure ("eglInitialize");
            return EGL_NO_DISPLAY;
        }

        return display;
    }
}

//==============================================================================
std::unique_ptr<PlatformGlContext> createPlatformGlContext (GlVersionRequest version, juce::String& failureReason)
{
    auto display = openSurfacelessDisplay (failureReason);

    if (display == EGL_NO_DISPLAY)
        return {};

    if (eglBindAPI (EGL_OPENGL_API) != EGL_TRUE)
    {
        failureReason = eglFailure ("eglBindAPI (OpenGL)");
        return {};
    }

    const EGLint attributes[] = { EGL_CONTEXT_MAJOR_VERSION, version.major,
                                  EGL_CONTEXT_MINOR_VERSION, version.minor,
                                  EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                                  EGL_NONE };

    auto context = eglCreateContext (display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);

    if (context == EGL_NO_CONTEXT)
    {
        failureReason = eglFailure ("eglCreateContext");
        return {};
    }

    auto result = std::make_unique<EglContext> (display, context);

    if (! result->makeCurrent())
    {
        failureReason = eglFailure ("eglMakeCurrent");
        return {};
    }

    return result;
}

} // namespace graphics
