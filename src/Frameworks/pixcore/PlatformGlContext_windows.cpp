#include "pixcore/PlatformGlContext.h"
#include <windows.h>

namespace graphics
{

namespace
{
    // From the WGL_ARB_create_context and WGL_ARB_create_context_profile extensions.
    constexpr int wglContextMajorVersion = 0x2091;
    constexpr int wglContextMinorVersion = 0x2092;
    constexpr int wglContextProfileMask  = 0x9126;
    constexpr int wglContextCoreProfile  = 0x00000001;

    using CreateContextAttribs = HGLRC (WINAPI*) (HDC, HGLRC, const int*);

    const wchar_t* const windowClassName = L"PixcoreOffscreenGl";

    juce::String windowsFailure (const char* call)
    {
        return juce::String (call) + " failed (error " + juce::String ((int) GetLastError()) + ")";
    }

    bool registerWindowClass()
    {
        WNDCLASSW windowClass {};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW (nullptr);
        windowClass.lpszClassName = windowClassName;
        return RegisterClassW (&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }

    //==============================================================================
    /** The hidden window whose device context the OpenGL context is made for. */
    struct HiddenWindow
    {
        HWND window = nullptr;
        HDC deviceContext = nullptr;

        ~HiddenWindow()
        {
            if (deviceContext != nullptr)
                ReleaseDC (window, deviceContext);

            if (window != nullptr)
                DestroyWindow (window);
        }

        bool open (juce::String& failureReason)
        {
            if (! registerWindowClass())
            {
                failureReason = windowsFailure ("RegisterClassW");
                return false;
            }

            SetLastError (0);
            window = CreateWindowExW (0, windowClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 16, 16,
                                      nullptr, nullptr, GetModuleHandleW (nullptr), nullptr);
            deviceContext = window != nullptr ? GetDC (window) : nullptr;

            if (deviceContext == nullptr)
            {
                failureReason = windowsFailure ("CreateWindowExW");
                return false;
            }

            PIXELFORMATDESCRIPTOR format {};
            format.nSize = sizeof (format);
            format.nVersion = 1;
            format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
            format.iPixelType = PFD_TYPE_RGBA;
            format.cColorBits = 32;
            format.iLayerType = PFD_MAIN_PLANE;
            const int chosen = ChoosePixelFormat (deviceContext, &format);

            if (chosen == 0 || ! SetPixelFormat (deviceContext, chosen, &format))
            {
                failureReason = windowsFailure ("SetPixelFormat");
                return false;
            }

            return true;
        }
    };

    //==============================================================================
    class WglContext : public PlatformGlContext
    {
    public:
        WglContext (std::unique_ptr<HiddenWindow> w, HGLRC c)
            : window (std::move (w)), context (c), openGlModule (GetModuleHandleW (L"opengl32.dll")) {}

        ~WglContext() override
        {
            if (wglGetCurrentContext() == context)
                wglMakeCurrent (nullptr, nullptr);

            wglDeleteContext (context);
        }

        bool makeCurrent() override
        {
            return wglMakeCurrent (window->deviceContext, context) != FALSE;
        }

        void releaseCurrent() override
        {
            wglMakeCurrent (nullptr, nullptr);
        }

        // wglGetProcAddress knows only what came after OpenGL 1.1; the
        // older entry points are plain exports of opengl32.dll.
        void* getFunction (const char* name) const override
        {
            auto address = reinterpret_cast<void*> (wglGetProcAddress (name));
            const auto value = reinterpret_cast<std::intptr_t> (address);

            if (value >= -1 && value <= 3)
                address = reinterpret_cast<void*> (GetProcAddress (openGlModule, name));

            return address;
        }

    private:
        std::unique_ptr<HiddenWindow> window;
        HGLRC context;
        HMODULE openGlModule;
    };

    // A core profile context can only be asked for through an extension
    // function, and that function only exists while some context is current.
    CreateContextAttribs findCreateContextAttribs (HDC deviceContext, juce::String& failureReason)
    {
        auto legacy = wglCreateContext (deviceContext);

        if (legacy == nullptr || ! wglMakeCurrent (deviceContext, legacy))
        {
            failureReason = windowsFailure ("wglCreateContext");

            if (legacy != nullptr)
                wglDeleteContext (legacy);

            return nullptr;
        }

        auto address = reinterpret_cast<void*> (wglGetProcAddress ("wglCreateContextAttribsARB"));
        wglMakeCurrent (nullptr, nullptr);
        wglDeleteContext (legacy);

        if (address == nullptr)
            failureReason = "the driver has no wglCreateContextAttribsARB";

        return reinterpret_cast<CreateContextAttribs> (address);
    }
}

//==============================================================================
std::unique_ptr<PlatformGlContext> createPlatformGlContext (GlVersionRequest version, juce::String& failureReason)
{
    auto window = std::make_unique<HiddenWindow>();

    if (! window->open (failureReason))
        return {};

    auto createContextAttribs = findCreateContextAttribs (window->deviceContext, failureReason);

    if (createContextAttribs == nullptr)
        return {};

    const int attributes[] = { wglContextMajorVersion, version.major,
                               wglContextMinorVersion, version.minor,
                               wglContextProfileMask, wglContextCoreProfile,
                               0 };

    auto context = createContextAttribs (window->deviceContext, nullptr, attributes);

    if (context == nullptr)
    {
        failureReason = windowsFailure ("wglCreateContextAttribsARB");
        return {};
    }

    auto result = std::make_unique<WglContext> (std::move (window), context);

    if (! result->makeCurrent())
    {
        failureReason = windowsFailure ("wglMakeCurrent");
        return {};
    }

    return result;
}

} // namespace graphics
