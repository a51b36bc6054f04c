#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

//==============================================================================
/**
    The test's own display, driven as a person would: windows found by their
    title, clicks, keys and screenshots. On Linux it speaks to the X server
    that the GUI test launcher started (input through xdotool, windows and
    pictures through Xlib).
*/
namespace desktop
{
    /** A top-level window of the display. */
    using WindowId = juce::uint64;

    /** True when a display can be reached. */
    bool isAvailable();

    /** Empty when input can be given to the display's programs, else why
        not (on Linux: xdotool is missing). */
    juce::String whyInputIsUnavailable();

    /** The shown top-level windows whose title matches the regular
        expression (ECMAScript syntax), from the bottom of the stack up; with
        a process id, only that process's. */
    std::vector<WindowId> findWindows (const juce::String& titlePattern, juce::uint64 processId = 0);

    /** Polls (bounded) until a window matching the title is shown; 0 when none came. */
    WindowId waitForWindow (const juce::String& titlePattern, int timeoutMs = 30000, juce::uint64 processId = 0,
                            int pollIntervalMs = 100);

    /** Polls (bounded) until no window matching the title is shown. */
    bool waitUntilGone (const juce::String& titlePattern, int timeoutMs = 30000, int pollIntervalMs = 100);

    /** The window's place on the screen; empty when it is gone. */
    juce::Rectangle<int> getBounds (WindowId window);

    /** The place of the window's content on the screen, inside the frame
        that the system draws around it (none in a bare X server). */
    juce::Rectangle<int> getContentBounds (WindowId window);

    /** Moves the pointer to a point of the screen and clicks a button there
        (1 left, 3 right), Shift held from before the press until after the
        release when withShift is set. */
    bool click (juce::Point<int> screenPoint, int button = 1, bool withShift = false);

    /** Moves the pointer to a point of the screen. */
    bool moveMouse (juce::Point<int> screenPoint);

    /** Clicks a button where the pointer is, at once. */
    bool pressButton (int button);

    /** Holds Shift down, or lets it go. */
    bool holdShift (bool down);

    /** Presses and releases a key, named as X names it ("Escape", "Return"). */
    bool pressKey (const juce::String& keyName);

    /** The pixels of a window as the screen shows them, or of an area of it
        (in the window's coordinates); invalid when it is gone. */
    juce::Image capture (WindowId window, juce::Rectangle<int> area = {});

    /** The top-level windows from the bottom of the stack to its top. */
    std::vector<WindowId> getStackingOrder();

    /** The window that has the keyboard focus; 0 when none has. */
    WindowId getFocusedWindow();

    /** A plain black window of the test's own process, shown at bounds above
        all others with the keyboard focus, until it goes out of scope. */
    class CoveringWindow
    {
    public:
        explicit CoveringWindow (juce::Rectangle<int> bounds, const juce::String& title = "cover");
        ~CoveringWindow();

        WindowId getId() const noexcept     { return id; }

    private:
        struct Native;
        std::unique_ptr<Native> native;
        WindowId id = 0;

        JUCE_DECLARE_NON_COPYABLE (CoveringWindow)
    };

    /** What programs ask the window manager to bring to the front, heard
        from its creation on. The test's X server has no window manager, so
        a program's request to raise its window (which JUCE makes on Linux)
        is seen here in the window manager's place. */
    class FrontRequests
    {
    public:
        FrontRequests();
        ~FrontRequests();

        /** Waits (bounded) until a program asks for window to be brought to
            the front. */
        bool waitFor (WindowId window, int timeoutMs = 30000);

    private:
        struct Native;
        std::unique_ptr<Native> native;

        JUCE_DECLARE_NON_COPYABLE (FrontRequests)
    };
}
