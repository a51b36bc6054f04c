#pragma once

#include "Desktop.h"
#include "Screenshots.h"
#include "StoppableProcess.h"

#include <memory>

//==============================================================================
/** A popup menu of the program as it shows on the screen. */
struct MenuOnScreen
{
    desktop::WindowId window = 0;
    juce::Rectangle<int> bounds;
    juce::Image picture;
    std::vector<screenshots::Band> lines;   /**< one per entry or section header, top to bottom */
    juce::String problem;                   /**< why no menu is open, when none is */

    bool isOpen() const noexcept    { return window != 0; }

    /** Clicks the line of text at index, as a person clicks an entry. */
    bool choose (size_t line) const;
};

//==============================================================================
/**
    The real TorvoBootConfigurator executable, started in the test's display
    and driven through it: its main window, the home button, the rows of its
    application table and the menus they open.
*/
class ConfiguratorUnderTest
{
public:
    /** Starts the program beside the tests; its output goes to outputFile. */
    explicit ConfiguratorUnderTest (const juce::File& outputFile);
    ~ConfiguratorUnderTest();

    /** The executable under test. */
    static juce::File getExecutable();

    /** The title the main window carries. */
    static juce::String getMainWindowTitlePattern()     { return "^Torvo Boot Configurator$"; }

    bool isStarted() const noexcept;

    /** Waits (bounded) until the main window is shown and painted; false
        when it never came. */
    bool waitForMainWindow (int timeoutMs = 60000, int pollIntervalMs = 100);

    desktop::WindowId getMainWindow() const noexcept     { return mainWindow; }
    juce::Rectangle<int> getMainWindowBounds() const;

    /** The main window as the screen shows it. */
    juce::Image captureMainWindow() const;

    /** The home button in the title bar, in screen coordinates. */
    juce::Point<int> getHomeButton() const;

    /** The middle of a row of the application table, in screen coordinates. */
    juce::Point<int> getTableRow (int row) const;

    /** Clicks a point and waits (bounded) for the menu it opens to be shown
        and painted; a closed menu when none came. */
    MenuOnScreen openMenu (juce::Point<int> where, int button, bool withShift) const;

    /** Waits (bounded) until a menu of the program is shown and painted; 0
        when none came. */
    static desktop::WindowId waitForPaintedMenu (int timeoutMs = 30000, int pollIntervalMs = 100);

    /** Waits at most timeoutMs for the program to end; its exit code, or -1. */
    int waitForExit (int timeoutMs);

    juce::String getOutput() const;

private:
    juce::File outputFile;
    std::unique_ptr<StoppableProcess> process;
    desktop::WindowId mainWindow = 0;

    JUCE_DECLARE_NON_COPYABLE (ConfiguratorUnderTest)
};

/** Keeps a screenshot among the test artefacts under name (".png" added). */
void keepScreenshot (const juce::Image& image, const juce::String& name);
