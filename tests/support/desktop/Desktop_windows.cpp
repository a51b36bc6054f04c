#include "Desktop.h"
#include "Waiting.h"

#include <regex>
#include <windows.h>

namespace desktop
{

namespace
{
    juce::String getTitle (HWND window)
    {
        wchar_t title[512] = {};
        ::GetWindowTextW (window, title, (int) std::size (title));
        return juce::String (title);
    }

    BOOL CALLBACK collectWindow (HWND window, LPARAM list)
    {
        reinterpret_cast<std::vector<WindowId>*> (list)->push_back ((WindowId) reinterpret_cast<uintptr_t> (window));
        return TRUE;
    }

    HWND toHandle (WindowId window)
    {
        return reinterpret_cast<HWND> ((uintptr_t) window);
    }

    INPUT keyInput (WORD key, bool up)
    {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        return input;
    }

    INPUT mouseInput (DWORD flags)
    {
        INPUT input {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        return input;
    }

    bool send (std::vector<INPUT> inputs)
    {
        return ::SendInput ((UINT) inputs.size(), inputs.data(), sizeof (INPUT)) == inputs.size();
    }
}

bool isAvailable()
{
    return ::GetSystemMetrics (SM_CXSCREEN) > 0;
}

juce::String whyInputIsUnavailable()
{
    return {};
}

std::vector<WindowId> findWindows (const juce::String& titlePattern, juce::uint64 processId)
{
    const std::regex pattern (titlePattern.toStdString());
    std::vector<WindowId> windows;

    for (const auto window : getStackingOrder())
    {
        if (! ::IsWindowVisible (toHandle (window)))
            continue;

        DWORD owner = 0;
        ::GetWindowThreadProcessId (toHandle (window), &owner);

        if (processId != 0 && owner != processId)
            continue;

        if (std::regex_search (getTitle (toHandle (window)).toStdString(), pattern))
            windows.push_back (window);
    }

    return windows;
}

juce::Rectangle<int> getBounds (WindowId window)
{
    RECT r {};

    if (! ::IsWindow (toHandle (window)) || ! ::GetWindowRect (toHandle (window), &r))
        return {};

    return { (int) r.left, (int) r.top, (int) (r.right - r.left), (int) (r.bottom - r.top) };
}

juce::Rectangle<int> getContentBounds (WindowId window)
{
    RECT client {};
    POINT origin {};

    if (! ::IsWindow (toHandle (window)) || ! ::GetClientRect (toHandle (window), &client) || ! ::ClientToScreen (toHandle (window), &origin))
        return {};

    return { (int) origin.x, (int) origin.y, (int) client.right, (int) client.bottom };
}

bool moveMouse (juce::Point<int> screenPoint)
{
    return ::SetCursorPos (screenPoint.x, screenPoint.y);
}

bool pressButton (int button)
{
    const bool right = button == 3;
    return send ({ mouseInput (right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                   mouseInput (right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP) });
}

bool holdShift (bool down)
{
    return send ({ keyInput (VK_SHIFT, ! down) });
}

bool click (juce::Point<int> screenPoint, int button, bool withShift)
{
    if (! moveMouse (screenPoint))
        return false;

    juce::Thread::sleep (100);

    if (withShift && ! holdShift (true))
        return false;

    const bool clicked = pressButton (button);

    // The press and the release are both seen with Shift down, whichever
    // of them opens a menu.
    if (withShift)
    {
        juce::Thread::sleep (300);
        holdShift (false);
    }

    return clicked;
}

bool pressKey (const juce::String& keyName)
{
    const WORD key = keyName == "Escape" ? VK_ESCAPE : keyName == "Return" ? VK_RETURN : 0;
    return key != 0 && send ({ keyInput (key, false), keyInput (key, true) });
}

juce::Image capture (WindowId window, juce::Rectangle<int> area)
{
    const auto windowBounds = getBounds (window);
    const auto bounds = area.isEmpty() ? windowBounds
                                       : (area + windowBounds.getPosition()).getIntersection (windowBounds);

    if (bounds.isEmpty() || ! ::IsWindowVisible (toHandle (window)))
        return {};

    // The screen's pixels where the window lies, whatever covers it, as a
    // person looking at the screen sees them.
    const auto screen = ::GetDC (nullptr);
    const auto memory = ::CreateCompatibleDC (screen);
    const auto bitmap = ::CreateCompatibleBitmap (screen, bounds.getWidth(), bounds.getHeight());
    const auto previous = ::SelectObject (memory, bitmap);
    const bool copied = ::BitBlt (memory, 0, 0, bounds.getWidth(), bounds.getHeight(), screen, bounds.getX(), bounds.getY(), SRCCOPY);
    ::SelectObject (memory, previous);

    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof (info.bmiHeader);
    info.bmiHeader.biWidth = bounds.getWidth();
    info.bmiHeader.biHeight = -bounds.getHeight();     // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<juce::uint32> pixels ((size_t) bounds.getWidth() * (size_t) bounds.getHeight());
    const bool read = copied && ::GetDIBits (memory, bitmap, 0, (UINT) bounds.getHeight(), pixels.data(), &info, DIB_RGB_COLORS) != 0;

    ::DeleteObject (bitmap);
    ::DeleteDC (memory);
    ::ReleaseDC (nullptr, screen);

    if (! read)
        return {};

    juce::Image image (juce::Image::RGB, bounds.getWidth(), bounds.getHeight(), false);

    for (int y = 0; y < bounds.getHeight(); ++y)
        for (int x = 0; x < bounds.getWidth(); ++x)
            image.setPixelAt (x, y, juce::Colour (0xff000000 | pixels[(size_t) y * (size_t) bounds.getWidth() + (size_t) x]));

    return image;
}

std::vector<WindowId> getStackingOrder()
{
    // EnumWindows lists the top-level windows from the top of the stack down.
    std::vector<WindowId> order;
    ::EnumWindows (collectWindow, reinterpret_cast<LPARAM> (&order));
    std::reverse (order.begin(), order.end());
    return order;
}

WindowId getFocusedWindow()
{
    return (WindowId) reinterpret_cast<uintptr_t> (::GetForegroundWindow());
}

//==============================================================================
struct CoveringWindow::Native
{
    HWND window = nullptr;
};

CoveringWindow::CoveringWindow (juce::Rectangle<int> bounds, const juce::String& title) : native (std::make_unique<Native>())
{
    native->window = ::CreateWindowExW (WS_EX_TOPMOST, L"STATIC", title.toWideCharPointer(), WS_POPUP | WS_VISIBLE, bounds.getX(),
                                        bounds.getY(), bounds.getWidth(), bounds.getHeight(), nullptr, nullptr, nullptr, nullptr);
    id = (WindowId) reinterpret_cast<uintptr_t> (native->window);
}

CoveringWindow::~CoveringWindow()
{
    if (native->window != nullptr)
        ::DestroyWindow (native->window);
}

//==============================================================================
// Windows has no window manager of its own to ask: a program brings its
// window to the front itself, and the foreground window shows it.
struct FrontRequests::Native
{
};

FrontRequests::FrontRequests() : native (std::make_unique<Native>())
{
}

FrontRequests::~FrontRequests() = default;

bool FrontRequests::waitFor (WindowId window, int timeoutMs)
{
    return waitUntil ([window] { return getFocusedWindow() == window; }, timeoutMs, 50);
}

} // namespace desktop
