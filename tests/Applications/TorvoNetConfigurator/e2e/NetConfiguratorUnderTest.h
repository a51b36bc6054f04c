#pragma once

#include "Desktop.h"
#include "Screenshots.h"
#include "StoppableProcess.h"

#include <memory>

//==============================================================================
/**
    The real TorvoNetConfigurator executable, started in the test's display
    and driven through it as a person would: its main window, the fields of
    its settings editor, its OK button and the dialogs it opens.
*/
class NetConfiguratorUnderTest
{
public:
    /** Starts the program beside the tests; its output goes to outputFile. */
    explicit NetConfiguratorUnderTest (const juce::File& outputFile);
    ~NetConfiguratorUnderTest();

    /** The executable under test. */
    static juce::File getExecutable();

    /** The title its windows and dialogs carry. */
    static juce::String getTitlePattern()        { return "^Torvo Net Configurator$"; }

    bool isStarted() const noexcept;

    /** Waits (bounded) until the main window, 800 by 480, is shown and
        painted; false when it never came. */
    bool waitForMainWindow (int timeoutMs = 60000);

    desktop::WindowId getMainWindow() const noexcept     { return mainWindow; }
    juce::Rectangle<int> getMainWindowBounds() const;

    /** The program's windows other than the main window: its dialogs. */
    std::vector<desktop::WindowId> findDialogs() const;

    /** Waits (bounded) until count dialogs are shown and painted; the last
        one shown, or 0. */
    desktop::WindowId waitForDialogs (size_t count, int timeoutMs = 30000) const;

    /** Clicks into the field of the setting on a line of the editor (0 the
        first), replaces its text by typing and presses Return. */
    bool typeIntoSetting (int line, const juce::String& text);

    /** Clicks the OK button until the click has done something: the
        program ended or asked a question. False when three clicks did
        nothing. */
    bool clickOk();

    /** Waits at most timeoutMs for the program to end; its exit code, or -1. */
    int waitForExit (int timeoutMs);

    juce::String getOutput() const;

private:
    bool clickAt (juce::Point<int> screenPoint);

    juce::File outputFile;
    std::unique_ptr<StoppableProcess> process;
    desktop::WindowId mainWindow = 0;
    juce::Point<int> lastClick { -1, -1 };

    JUCE_DECLARE_NON_COPYABLE (NetConfiguratorUnderTest)
};

/** True once a window shows more than one colour down its middle. */
bool looksPainted (desktop::WindowId window);

/** Keeps a screenshot among the test artefacts under name (".png" added). */
void keepScreenshot (const juce::Image& image, const juce::String& name);
