#include "NetConfiguratorUnderTest.h"
#include "TestPrograms.h"
#include "Waiting.h"

#include <tavview/VariablesEditor.h>

namespace
{
    constexpr int mainWidth = 800, mainHeight = 480;

    /** Where the editor's fields begin inside the window's content: the
        view's margin, the editor's own and its labels' column. */
    constexpr int fieldLeft = 4 + 4 + 160;
    constexpr int editorTop = 4;

    bool isMainWindowSize (juce::Rectangle<int> bounds)
    {
        return bounds.getWidth() == mainWidth && bounds.getHeight() == mainHeight;
    }
}

//==============================================================================
bool looksPainted (desktop::WindowId window)
{
    const auto bounds = desktop::getBounds (window);
    const auto strip = desktop::capture (window, { bounds.getWidth() / 2, 0, 1, bounds.getHeight() });
    return strip.isValid() && ! screenshots::contentBands (strip, 0).empty();
}

void keepScreenshot (const juce::Image& image, const juce::String& name)
{
    screenshots::save (image, screenshots::artefactFolder().getChildFile (name + ".png"));
}

//==============================================================================
NetConfiguratorUnderTest::NetConfiguratorUnderTest (const juce::File& output) : outputFile (output)
{
    process = std::make_unique<StoppableProcess> (getExecutable(), juce::StringArray(), outputFile, false);
}

NetConfiguratorUnderTest::~NetConfiguratorUnderTest() = default;

juce::File NetConfiguratorUnderTest::getExecutable()
{
    return programs::find ("TorvoNetConfigurator");
}

bool NetConfiguratorUnderTest::isStarted() const noexcept
{
    return process->isStarted();
}

bool NetConfiguratorUnderTest::waitForMainWindow (int timeoutMs)
{
    // The program's dialogs carry the same title; the main window is the one of its size.
    waitUntil ([this]
               {
                   for (auto window : desktop::findWindows (getTitlePattern()))
                       if (isMainWindowSize (desktop::getContentBounds (window)))
                           mainWindow = window;

                   return mainWindow != 0;
               },
               timeoutMs, 100);

    return mainWindow != 0 && waitUntil ([this] { return looksPainted (mainWindow); }, timeoutMs, 100);
}

juce::Rectangle<int> NetConfiguratorUnderTest::getMainWindowBounds() const
{
    return desktop::getBounds (mainWindow);
}

std::vector<desktop::WindowId> NetConfiguratorUnderTest::findDialogs() const
{
    std::vector<desktop::WindowId> dialogs;

    for (auto window : desktop::findWindows (getTitlePattern()))
        if (window != mainWindow)
            dialogs.push_back (window);

    return dialogs;
}

desktop::WindowId NetConfiguratorUnderTest::waitForDialogs (size_t count, int timeoutMs) const
{
    desktop::WindowId last = 0;
    waitUntil ([&]
               {
                   const auto dialogs = findDialogs();
                   last = dialogs.size() == count ? dialogs.back() : 0;
                   return last != 0 && looksPainted (last);
               },
               timeoutMs, 100);
    return last;
}

bool NetConfiguratorUnderTest::typeIntoSetting (int line, const juce::String& text)
{
    const auto content = desktop::getContentBounds (mainWindow);
    constexpr int lineHeight = gui::tav::VariablesEditor::lineHeight;
    const auto field = content.getPosition() + juce::Point<int> (fieldLeft + 40, editorTop + line * lineHeight + lineHeight / 2);

    if (! clickAt (field) || ! desktop::pressKey ("ctrl+a"))
        return false;

    // Keys as X names them: letters and digits by themselves.
    for (auto character : text)
        if (! desktop::pressKey (character == ' ' ? juce::String ("space") : juce::String::charToString (character)))
            return false;

    return desktop::pressKey ("Return");
}

bool NetConfiguratorUnderTest::clickOk()
{
    // The OK button sits at the right end of the bottom bar, 90 wide.
    const auto content = desktop::getContentBounds (mainWindow);
    const juce::Point<int> button { content.getRight() - 8 - 45, content.getBottom() - 20 };

    // On a loaded machine a click can be lost; a person whose click did
    // nothing clicks again.
    for (int attempt = 0; attempt < 3; ++attempt)
        if (clickAt (button) && waitUntil ([this] { return process->waitForExit (0) != -1 || ! findDialogs().empty(); }, 10000, 50))
            return true;

    return false;
}

bool NetConfiguratorUnderTest::clickAt (juce::Point<int> screenPoint)
{
    // A synchronous move to where the pointer already is waits for a motion
    // that never comes; a person's hand leaves the spot and comes back.
    if (screenPoint == lastClick && ! desktop::moveMouse (screenPoint.translated (0, -6)))
        return false;

    lastClick = screenPoint;
    return desktop::click (screenPoint);
}

int NetConfiguratorUnderTest::waitForExit (int timeoutMs)
{
    return process->waitForExit (timeoutMs);
}

juce::String NetConfiguratorUnderTest::getOutput() const
{
    return outputFile.loadFileAsString();
}
