#include "TavViewFixture.h"

#include <tavview/DestroyObjectCommand.h>
#include <tavview/ObjectMenu.h>
#include <tavview/SecretCommand.h>
#include <tavview/SetColorLabelItemCommand.h>

using namespace tavviewtest;

namespace
{

#if JUCE_DEBUG
constexpr bool debugBuild = true;
#else
constexpr bool debugBuild = false;
#endif

/** A command that counts how often it was performed. */
class CountingCommand : public gui::tav::Command<Application>
{
public:
    CountingCommand (Application* target, const juce::String& name, int& counter, bool enabled)
        : Command (target, name), performed (counter)
    {
        setEnabled (enabled, tav::ChangeCallback::notify());
    }

    void perform (tav::ExecutionContext&) override    { ++performed; }

    int& performed;
};

struct Entry
{
    juce::String text;
    bool enabled;
    bool ticked;
};

std::vector<Entry> entriesOf (const juce::PopupMenu& menu)
{
    std::vector<Entry> entries;

    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        const auto& item = it.getItem();

        if (! item.isSeparator && ! item.isSectionHeader)
            entries.push_back ({ item.text, item.isEnabled, item.isTicked });
    }

    return entries;
}

juce::StringArray textsOf (const juce::PopupMenu& menu)
{
    juce::StringArray texts;

    for (auto& e : entriesOf (menu))
        texts.add (e.text);

    return texts;
}

/** A menu of the three commands a row menu might hold. */
class RowMenu : public gui::tav::Menu<Application>
{
public:
    RowMenu (Application& target, int& startsPerformed, int& killsPerformed, bool running)
        : Menu (&target), starts (startsPerformed), kills (killsPerformed), isRunning (running) {}

protected:
    void populateMenu (gui::tav::MenuBuilder& builder) override
    {
        builder.add (std::make_unique<CountingCommand> (getTypedTarget(), "Start", starts, ! isRunning), false, false);
        builder.add (std::make_unique<CountingCommand> (getTypedTarget(), "Kill", kills, isRunning), true, false);
    }

    int& starts;
    int& kills;
    bool isRunning;
};

class Menus : public TavViewFixture
{
protected:
    void TearDown() override
    {
        gui::tav::SecretCommand::setDebugBuildAlwaysDisplaySecretCommand (true);
        juce::ModifierKeys::currentModifiers = juce::ModifierKeys();
        juce::PopupMenu::dismissAllActiveMenus();
        dispatchUntil ([] { return findMenuWindow() == nullptr; });
        TavViewFixture::TearDown();
    }

    Application application;
    int starts = 0, kills = 0;
};

} // namespace

//==============================================================================
TEST_F (Menus, ACommandsEnabledFlagGreysItsEntryOutAndKeepsItFromBeingPerformed)
{
    for (const auto running : { false, true })
    {
        const auto builder = RowMenu (application, starts, kills, running).build();
        const auto entries = entriesOf (builder->getPopupMenu());
        ASSERT_EQ (entries.size(), 2u);
        EXPECT_EQ (entries[0].text, "Start");
        EXPECT_EQ (entries[0].enabled, ! running);
        EXPECT_EQ (entries[1].enabled, running);

        EXPECT_EQ (builder->perform (1, tav::ExecutionContext::get()), ! running);
        EXPECT_EQ (builder->perform (2, tav::ExecutionContext::get()), running);
        EXPECT_FALSE (builder->perform (0, tav::ExecutionContext::get())) << "a dismissed menu";
    }

    EXPECT_EQ (starts, 1);
    EXPECT_EQ (kills, 1);
}

TEST_F (Menus, AShownMenuSkipsItsGreyedOutEntryWhenChosenByKeyboard)
{
    juce::Component anchor;
    anchor.setBounds (100, 100, 200, 30);
    anchor.addToDesktop (0);
    anchor.setVisible (true);

    gui::tav::ObjectMenu::show (std::make_unique<RowMenu> (application, starts, kills, true), &anchor);
    ASSERT_TRUE (dispatchUntil ([] { return findMenuWindow() != nullptr; })) << "no menu window";
    auto* menuWindow = findMenuWindow();
    ASSERT_TRUE (dispatchUntil ([&] { return menuWindow->getPeer() != nullptr && menuWindow->getHeight() > 0; }));
    ASSERT_TRUE (saveScreenshot (*menuWindow, "tavview-row-menu.png"));

    // Down from nowhere lands on the first entry a person can choose.
    menuWindow->keyPressed (juce::KeyPress (juce::KeyPress::downKey));
    menuWindow->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));

    ASSERT_TRUE (dispatchUntil ([&] { return kills == 1; })) << "the enabled entry was not performed";
    EXPECT_EQ (starts, 0);
}

TEST_F (Menus, SecretEntriesShowWithShiftHeldOrInADebugBuildWithItsSwitchOn)
{
    struct Case { bool debugSwitch; bool shift; bool shown; };

    for (const auto& c : { Case { false, false, false },
                           Case { false, true, true },
                           Case { true, false, debugBuild },
                           Case { true, true, true } })
    {
        gui::tav::SecretCommand::setDebugBuildAlwaysDisplaySecretCommand (c.debugSwitch);
        juce::ModifierKeys::currentModifiers = c.shift ? juce::ModifierKeys (juce::ModifierKeys::shiftModifier) : juce::ModifierKeys();
        EXPECT_EQ (gui::tav::SecretCommand::canDisplaySecret(), c.shown) << c.debugSwitch << c.shift;

        gui::tav::MenuBuilder builder;
        builder.add (std::make_unique<CountingCommand> (&application, "Plain", starts, true), false, false);
        builder.add (std::make_unique<gui::tav::SecretCommand> (std::make_unique<CountingCommand> (&application, "Secret", kills, true)), false, false);
        juce::PopupMenu plain;
        gui::tav::SecretCommand::addSecretMenuItem (plain, 7, "Restart", false, false, {});

        EXPECT_EQ (textsOf (builder.getPopupMenu()), c.shown ? juce::StringArray ({ "Plain", "Secret" }) : juce::StringArray ("Plain"));
        EXPECT_EQ (textsOf (plain), c.shown ? juce::StringArray ("Restart") : juce::StringArray());
    }
}

TEST_F (Menus, TheColourLabelEntryOffersColoursAndTicksTheItemsOwn)
{
    gui::tav::MenuBuilder builder;
    builder.add (std::make_unique<gui::tav::SetColorLabelItemCommand> (&application), false, false);

    juce::PopupMenu::MenuItemIterator it (builder.getPopupMenu());
    ASSERT_TRUE (it.next());
    EXPECT_EQ (it.getItem().text, "Color label");
    ASSERT_NE (it.getItem().subMenu, nullptr);
    const auto colours = textsOf (*it.getItem().subMenu);
    EXPECT_EQ (colours, juce::StringArray ({ "None", "Red", "Orange", "Yellow", "Green", "Blue", "Purple", "Grey" }));

    const auto red = colours.indexOf ("Red") + 2;       // item ids follow the parent entry's
    ASSERT_TRUE (builder.perform (red, tav::ExecutionContext::get()));
    EXPECT_EQ (gui::tav::SetColorLabelItemCommand::getLabelColour (&application), juce::Colour (0xffe0443e));
    EXPECT_TRUE (builder.findCommand (red)->isTicked());
    EXPECT_FALSE (builder.findCommand (red - 1)->isTicked());

    Settings unlabelled;
    EXPECT_FALSE (gui::tav::SetColorLabelItemCommand (&unlabelled).isEnabled()) << "no colorLabel member";
}

TEST_F (Menus, DestroyingAnObjectRemovesItFromItsListOnly)
{
    auto list = makeApplications ({ "host", "launcher" });
    gui::tav::DestroyObjectCommand destroyLauncher (list->get (1));
    gui::tav::DestroyObjectCommand destroyLoose (&application);

    EXPECT_EQ (destroyLauncher.getShortDescription(), "Delete");
    EXPECT_TRUE (destroyLauncher.isEnabled());
    EXPECT_FALSE (destroyLoose.isEnabled()) << "no list owns it";

    destroyLauncher.perform (tav::ExecutionContext::get());
    EXPECT_EQ (namesOf (*list), juce::StringArray ("host"));
    EXPECT_FALSE (destroyLauncher.isEnabled()) << "its target is gone";
    destroyLauncher.perform (tav::ExecutionContext::get());
    EXPECT_EQ (list->size(), 1u);
}
