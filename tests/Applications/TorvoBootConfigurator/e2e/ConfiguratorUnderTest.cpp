#include "ConfiguratorUnderTest.h"
#include "TestPrograms.h"
#include "Waiting.h"

#include <tavview/ItemTableRow.h>
#include <tavview/SimpleOkButtonMainView.h>

namespace
{
    constexpr auto menuTitlePattern = "^menu$";

    /** The left and right margins that a menu's frame and its entries' icon
        and arrow columns keep; the text lies between them. */
    constexpr int menuMargin = 4;

    /** JUCE ignores a mouse-up that comes within 250 ms of a menu opening, so
        a person's click on an entry comes later than that. */
    constexpr int menuSettleMs = 450;

    /** True once a window shows more than one colour down its middle: one
        not yet painted shows its background alone. */
    bool looksPainted (desktop::WindowId window)
    {
        const auto bounds = desktop::getBounds (window);
        const auto strip = desktop::capture (window, { bounds.getWidth() / 2, 0, 1, bounds.getHeight() });
        return strip.isValid() && ! screenshots::contentBands (strip, 0).empty();
    }
}

//==============================================================================
bool MenuOnScreen::choose (size_t line) const
{
    if (! isOpen() || line >= lines.size())
        return false;

    const juce::Point<int> entry { bounds.getCentreX(), bounds.getY() + lines[line].centre() };

    // The entry lights up under the pointer before the click, as it does for
    // a person's hand. A chosen entry closes its menu first; on a loaded
    // machine a click can come before the menu has seen the pointer arrive,
    // and a person whose click did nothing clicks again.
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        if (! desktop::moveMouse (entry))
            return false;

        juce::Thread::sleep (300);

        if (desktop::pressButton (1) && waitUntil ([this] { return desktop::getBounds (window).isEmpty(); }, 5000, 50))
            return true;
    }

    return false;
}

//==============================================================================
ConfiguratorUnderTest::ConfiguratorUnderTest (const juce::File& output) : outputFile (output)
{
    process = std::make_unique<StoppableProcess> (getExecutable(), juce::StringArray(), outputFile, false);
}

ConfiguratorUnderTest::~ConfiguratorUnderTest() = default;

juce::File ConfiguratorUnderTest::getExecutable()
{
    return programs::find ("TorvoBootConfigurator");
}

bool ConfiguratorUnderTest::isStarted() const noexcept
{
    return process->isStarted();
}

bool ConfiguratorUnderTest::waitForMainWindow (int timeoutMs, int pollIntervalMs)
{
    mainWindow = desktop::waitForWindow (getMainWindowTitlePattern(), timeoutMs, 0, pollIntervalMs);
    return mainWindow != 0 && waitUntil ([this] { return looksPainted (mainWindow); }, timeoutMs, pollIntervalMs);
}

juce::Rectangle<int> ConfiguratorUnderTest::getMainWindowBounds() const
{
    return desktop::getBounds (mainWindow);
}

juce::Image ConfiguratorUnderTest::captureMainWindow() const
{
    return desktop::capture (mainWindow);
}

juce::Point<int> ConfiguratorUnderTest::getHomeButton() const
{
    // The button is the first widget of the title bar's left part, as wide as
    // the bar is high at least (its icon is square).
    constexpr int height = gui::tav::SimpleOkButtonMainView::titleBarHeight;
    return desktop::getContentBounds (mainWindow).getPosition() + juce::Point<int> (height / 2, height / 2);
}

juce::Point<int> ConfiguratorUnderTest::getTableRow (int row) const
{
    // The editor lies below the title bar with a small margin; the table is
    // its left quarter and starts with row 0.
    constexpr int top = gui::tav::SimpleOkButtonMainView::titleBarHeight + 4;
    constexpr int rowHeight = gui::tav::ItemTableRow::rowHeight;
    return desktop::getContentBounds (mainWindow).getPosition() + juce::Point<int> (40, top + row * rowHeight + rowHeight / 2);
}

desktop::WindowId ConfiguratorUnderTest::waitForPaintedMenu (int timeoutMs, int pollIntervalMs)
{
    desktop::WindowId menu = 0;
    waitUntil ([&]
               {
                   const auto menus = desktop::findWindows (menuTitlePattern);
                   menu = menus.empty() ? 0 : menus.back();
                   return menu != 0 && looksPainted (menu);
               },
               timeoutMs, pollIntervalMs);
    return menu;
}

MenuOnScreen ConfiguratorUnderTest::openMenu (juce::Point<int> where, int button, bool withShift) const
{
    MenuOnScreen menu;

    // A click that comes while a new window still settles (before it takes
    // input) can be lost; a person clicks again when nothing opened.
    for (int attempt = 0; attempt < 3 && desktop::findWindows (menuTitlePattern).empty(); ++attempt)
        if (! desktop::click (where, button, withShift) || desktop::waitForWindow (menuTitlePattern, 10000) == 0)
            menu.problem << "click " << (attempt + 1) << " opened no menu; ";

    if (desktop::findWindows (menuTitlePattern).empty())
        return menu;

    // A menu opened at the pointer lies under it, and its first entry may
    // open a submenu there; the pointer rests on the last entry instead
    // (which closes that submenu), then leaves the menu, as a person's hand
    // does while reading it.
    juce::Thread::sleep (menuSettleMs);
    const auto openedBounds = desktop::getBounds (desktop::findWindows (menuTitlePattern).front());
    desktop::moveMouse ({ openedBounds.getCentreX(), openedBounds.getBottom() - 8 });

    if (! waitUntil ([] { return desktop::findWindows (menuTitlePattern).size() == 1; }, 30000, 50))
    {
        menu.problem << "a submenu stayed open";
        return menu;
    }

    desktop::moveMouse ({ 0, 0 });

    menu.window = desktop::findWindows (menuTitlePattern).front();

    // Painted once two pictures in a row agree.
    juce::Image previous;
    waitUntil ([&]
               {
                   menu.picture = desktop::capture (menu.window);
                   const bool settled = looksPainted (menu.window) && previous.isValid()
                                     && screenshots::isWithin (screenshots::compare (menu.picture, previous, 0), 0.0, 0.0);
                   previous = menu.picture;
                   return settled;
               },
               30000, 100);

    menu.bounds = desktop::getBounds (menu.window);
    menu.lines = screenshots::textLines (menu.picture, menuMargin);
    return menu;
}

int ConfiguratorUnderTest::waitForExit (int timeoutMs)
{
    return process->waitForExit (timeoutMs);
}

juce::String ConfiguratorUnderTest::getOutput() const
{
    return outputFile.loadFileAsString();
}

//==============================================================================
void keepScreenshot (const juce::Image& image, const juce::String& name)
{
    screenshots::save (image, screenshots::artefactFolder().getChildFile (name + ".png"));
}
