#include "Desktop.h"
#include "Waiting.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <memory>
#include <regex>
#include <unistd.h>

namespace desktop
{

namespace
{
    struct DisplayCloser
    {
        void operator() (Display* display) const    { XCloseDisplay (display); }
    };

    using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

    struct ImageDestroyer
    {
        void operator() (XImage* image) const    { XDestroyImage (image); }
    };

    /** A window that went away between two requests is an answer, not a
        reason to end the test (Xlib's default handler exits). */
    int ignoreErrors (Display*, XErrorEvent*)
    {
        return 0;
    }

    DisplayHandle openDisplay()
    {
        XSetErrorHandler (ignoreErrors);
        return DisplayHandle (XOpenDisplay (nullptr));
    }

    /** The test's one connection for its questions, open while it runs: an
        X server resets when its last client leaves, and a connection opened
        during that reset fails, so a test must never leave it alone. */
    Display* sharedDisplay()
    {
        static const DisplayHandle connection = openDisplay();
        return connection.get();
    }

    /** Runs xdotool to its end; its output, or nothing when it failed. */
    juce::String runXdotool (const juce::StringArray& arguments, bool* succeeded = nullptr)
    {
        juce::ChildProcess process;
        juce::StringArray command ("xdotool");
        command.addArray (arguments);
        const bool started = process.start (command, juce::ChildProcess::wantStdOut);
        const auto output = started ? process.readAllProcessOutput() : juce::String();
        const bool ok = started && process.waitForProcessToFinish (30000) && process.getExitCode() == 0;

        if (succeeded != nullptr)
            *succeeded = ok;

        return ok ? output : juce::String();
    }

    juce::String getTitle (Display* display, Window window)
    {
        XTextProperty property {};

        if (XGetWMName (display, window, &property) == 0 || property.value == nullptr)
            return {};

        char** list = nullptr;
        int count = 0;
        juce::String title;

        if (Xutf8TextPropertyToTextList (display, &property, &list, &count) >= Success && count > 0 && list != nullptr)
            title = juce::String::fromUTF8 (list[0]);

        if (list != nullptr)
            XFreeStringList (list);

        XFree (property.value);
        return title;
    }

    juce::uint64 getProcessId (Display* display, Window window)
    {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, remaining = 0;
        unsigned char* data = nullptr;
        juce::uint64 processId = 0;

        if (XGetWindowProperty (display, window, XInternAtom (display, "_NET_WM_PID", False), 0, 1, False, XA_CARDINAL, &type, &format,
                                &count, &remaining, &data) == Success && data != nullptr)
        {
            if (format == 32 && count == 1)
                processId = (juce::uint64) *reinterpret_cast<unsigned long*> (data);

            XFree (data);
        }

        return processId;
    }

    int shellValue (const juce::StringArray& lines, const juce::String& name)
    {
        for (const auto& line : lines)
            if (line.startsWith (name + "="))
                return line.fromFirstOccurrenceOf ("=", false, false).getIntValue();

        return 0;
    }
}

bool isAvailable()
{
    return sharedDisplay() != nullptr;
}

juce::String whyInputIsUnavailable()
{
    bool ok = false;
    runXdotool ({ "version" }, &ok);
    return ok ? juce::String() : "xdotool is not installed (Debian package xdotool, from scripts/install-deps)";
}

std::vector<WindowId> findWindows (const juce::String& titlePattern, juce::uint64 processId)
{
    std::vector<WindowId> windows;
    auto* display = sharedDisplay();

    if (display == nullptr)
        return windows;

    const std::regex pattern (titlePattern.toStdString());

    // Oldest first: the stacking order of windows nobody raised is their
    // order of creation.
    for (const auto window : getStackingOrder())
    {
        XWindowAttributes attributes {};

        if (XGetWindowAttributes (display, (Window) window, &attributes) == 0 || attributes.map_state != IsViewable)
            continue;

        if (processId != 0 && getProcessId (display, (Window) window) != processId)
            continue;

        if (std::regex_search (getTitle (display, (Window) window).toStdString(), pattern))
            windows.push_back (window);
    }

    return windows;
}

juce::Rectangle<int> getBounds (WindowId window)
{
    bool ok = false;
    const auto lines = juce::StringArray::fromLines (runXdotool ({ "getwindowgeometry", "--shell", juce::String (window) }, &ok));

    if (! ok)
        return {};

    return { shellValue (lines, "X"), shellValue (lines, "Y"), shellValue (lines, "WIDTH"), shellValue (lines, "HEIGHT") };
}

juce::Rectangle<int> getContentBounds (WindowId window)
{
    // With no window manager, nothing frames a window.
    return getBounds (window);
}

bool moveMouse (juce::Point<int> screenPoint)
{
    bool ok = false;
    runXdotool ({ "mousemove", "--sync", juce::String (screenPoint.x), juce::String (screenPoint.y) }, &ok);
    return ok;
}

bool pressButton (int button)
{
    // xdotool's click sleeps its repeat delay even after a single click;
    // a press and a release return at once.
    bool ok = false;
    runXdotool ({ "mousedown", juce::String (button), "mouseup", juce::String (button) }, &ok);
    return ok;
}

bool holdShift (bool down)
{
    bool ok = false;
    runXdotool ({ down ? "keydown" : "keyup", "shift" }, &ok);
    return ok;
}

bool click (juce::Point<int> screenPoint, int button, bool withShift)
{
    juce::StringArray arguments;

    if (withShift)
        arguments.addArray ({ "keydown", "shift" });

    arguments.addArray ({ "mousemove", "--sync", juce::String (screenPoint.x), juce::String (screenPoint.y),
                          "sleep", "0.1", "click", juce::String (button) });

    // The press and the release are both seen with Shift down, whichever
    // of them opens a menu.
    if (withShift)
        arguments.addArray ({ "sleep", "0.3", "keyup", "shift" });

    bool ok = false;
    runXdotool (arguments, &ok);
    return ok;
}

bool pressKey (const juce::String& keyName)
{
    bool ok = false;
    runXdotool ({ "key", keyName }, &ok);
    return ok;
}

juce::Image capture (WindowId window, juce::Rectangle<int> area)
{
    auto* display = sharedDisplay();

    if (display == nullptr)
        return {};

    XWindowAttributes attributes {};

    if (XGetWindowAttributes (display, (Window) window, &attributes) == 0 || attributes.map_state != IsViewable)
        return {};

    const auto whole = juce::Rectangle<int> (attributes.width, attributes.height);
    const auto part = area.isEmpty() ? whole : area.getIntersection (whole);

    if (part.isEmpty())
        return {};

    // The screen's pixels where the window lies, whatever covers it, as a
    // person looking at the screen sees them.
    Window child = 0;
    int x = 0, y = 0;
    XTranslateCoordinates (display, (Window) window, DefaultRootWindow (display), part.getX(), part.getY(), &x, &y, &child);
    const std::unique_ptr<XImage, ImageDestroyer> pixels (XGetImage (display, DefaultRootWindow (display), x, y,
                                                                    (unsigned) part.getWidth(), (unsigned) part.getHeight(),
                                                                    AllPlanes, ZPixmap));

    if (pixels == nullptr)
        return {};

    juce::Image image (juce::Image::RGB, part.getWidth(), part.getHeight(), false);

    for (int row = 0; row < part.getHeight(); ++row)
    {
        for (int column = 0; column < part.getWidth(); ++column)
        {
            const auto value = XGetPixel (pixels.get(), column, row);
            image.setPixelAt (column, row, juce::Colour ((juce::uint8) ((value & pixels->red_mask) >> 16),
                                                         (juce::uint8) ((value & pixels->green_mask) >> 8),
                                                         (juce::uint8) (value & pixels->blue_mask)));
        }
    }

    return image;
}

std::vector<WindowId> getStackingOrder()
{
    std::vector<WindowId> order;
    auto* display = sharedDisplay();

    if (display == nullptr)
        return order;

    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;

    if (XQueryTree (display, DefaultRootWindow (display), &root, &parent, &children, &count) != 0)
    {
        for (unsigned i = 0; i < count; ++i)
            order.push_back ((WindowId) children[i]);

        XFree (children);
    }

    return order;
}

WindowId getFocusedWindow()
{
    auto* display = sharedDisplay();
    Window focus = 0;
    int revert = 0;

    if (display != nullptr)
        XGetInputFocus (display, &focus, &revert);

    return focus == PointerRoot ? 0 : (WindowId) focus;
}

//==============================================================================
struct CoveringWindow::Native
{
    DisplayHandle display = openDisplay();
};

CoveringWindow::CoveringWindow (juce::Rectangle<int> bounds, const juce::String& title) : native (std::make_unique<Native>())
{
    auto* display = native->display.get();

    if (display == nullptr)
        return;

    XSetWindowAttributes attributes {};
    attributes.override_redirect = True;
    attributes.background_pixel = BlackPixel (display, DefaultScreen (display));
    const auto window = XCreateWindow (display, DefaultRootWindow (display), bounds.getX(), bounds.getY(), (unsigned) bounds.getWidth(),
                                       (unsigned) bounds.getHeight(), 0, CopyFromParent, InputOutput, CopyFromParent,
                                       CWOverrideRedirect | CWBackPixel, &attributes);
    XStoreName (display, window, title.toRawUTF8());
    const auto processId = (unsigned long) ::getpid();
    XChangeProperty (display, window, XInternAtom (display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                     reinterpret_cast<const unsigned char*> (&processId), 1);
    XMapRaised (display, window);
    XSync (display, False);
    id = (WindowId) window;

    waitUntil ([&]
               {
                   XWindowAttributes shown {};
                   return XGetWindowAttributes (display, window, &shown) != 0 && shown.map_state == IsViewable;
               },
               10000, 10);
    XSetInputFocus (display, window, RevertToParent, CurrentTime);
    XSync (display, False);
}

CoveringWindow::~CoveringWindow()
{
    if (native->display != nullptr && id != 0)
    {
        XDestroyWindow (native->display.get(), (Window) id);
        XSync (native->display.get(), False);
    }
}

//==============================================================================
struct FrontRequests::Native
{
    DisplayHandle display = openDisplay();
};

FrontRequests::FrontRequests() : native (std::make_unique<Native>())
{
    // A client message sent to the root for the window manager reaches
    // every client that listens to the root's substructure.
    if (auto* display = native->display.get())
    {
        XSelectInput (display, DefaultRootWindow (display), SubstructureNotifyMask);
        XSync (display, False);
    }
}

FrontRequests::~FrontRequests() = default;

bool FrontRequests::waitFor (WindowId window, int timeoutMs)
{
    auto* display = native->display.get();

    if (display == nullptr)
        return false;

    const auto activeWindow = XInternAtom (display, "_NET_ACTIVE_WINDOW", False);
    return waitUntil ([&]
                      {
                          while (XPending (display) > 0)
                          {
                              XEvent event {};
                              XNextEvent (display, &event);

                              if (event.type == ClientMessage && event.xclient.message_type == activeWindow
                                  && (WindowId) event.xclient.window == window)
                                  return true;
                          }

                          return false;
                      },
                      timeoutMs, 20);
}

} // namespace desktop
