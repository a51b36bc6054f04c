#pragma once

#include "tavview/Command.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

namespace gui::tav
{

//==============================================================================
/**
    Collects the commands of a menu as it is built and performs the one the
    user picks. It owns the commands; each becomes one entry whose item id
    is its position (from 1), and a command with sub-commands becomes a
    sub-menu of them. Secret commands are dropped unless
    SecretCommand::canDisplaySecret() holds while the menu is built.
*/
class MenuBuilder
{
public:
    MenuBuilder();
    ~MenuBuilder();

    /** Adds a command's entry. isDestructive draws it in the warning colour
        (deleting, killing); isTicked ticks it whatever the command says. */
    void add (std::unique_ptr<AbstractCommand> command, bool isDestructive, bool isTicked);

    /** Adds a separator line. */
    void addSeparator()                           { menu.addSeparator(); }

    /** Adds a section header. */
    void addSectionHeader (const juce::String& title)   { menu.addSectionHeader (title); }

    /** The menu as built so far. */
    const juce::PopupMenu& getPopupMenu() const noexcept { return menu; }

    /** The command of an item id, or nullptr. */
    AbstractCommand* findCommand (int itemId) const;

    /** Performs the command of an item id (0, a dismissed menu, does
        nothing); false when there was none or it is disabled. */
    bool perform (int itemId, ::tav::ExecutionContext& context);

    /** The colour of destructive entries. */
    static juce::Colour getDestructiveColour()    { return juce::Colour (0xffd0342c); }

private:
    juce::PopupMenu::Item makeItem (AbstractCommand& command, bool isDestructive, bool isTicked);

    juce::PopupMenu menu;
    std::vector<std::unique_ptr<AbstractCommand>> commands;

    JUCE_DECLARE_NON_COPYABLE (MenuBuilder)
};

} // namespace gui::tav
