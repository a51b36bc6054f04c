#pragma once

#include "tavview/Command.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace gui::tav
{

//==============================================================================
/**
    A command that menus show only to those who ask for it: an entry for
    administrators and support, kept out of the ordinary user's way.

    Secret entries show while canDisplaySecret() holds: when the Shift key
    is held as the menu opens (a right-click or click with Shift), and, in a
    debug build, always while the debug-build switch is on (its default),
    so that developers see every entry. A menu that must show its ordinary
    form even in a debug build turns the switch off while it builds and on
    again afterwards.
*/
class SecretCommand : public AbstractCommand
{
public:
    /** Wraps a command, owned from now on. */
    explicit SecretCommand (std::unique_ptr<AbstractCommand> commandToHide);

    juce::String getClassName() const override    { return "SecretCommand"; }

    /** The wrapped command. */
    AbstractCommand& getCommand() const noexcept  { return *command; }

    /** Gives the wrapped command away. */
    std::unique_ptr<AbstractCommand> release()    { return std::move (command); }

    juce::String getShortDescription() const override  { return command->getShortDescription(); }
    void perform (::tav::ExecutionContext& context) override  { command->perform (context); }
    bool isEnabled() const override               { return command->isEnabled(); }
    bool isTicked() const override                { return command->isTicked(); }

    //==============================================================================
    /** True when secret entries are to be shown now (see the class). */
    static bool canDisplaySecret();

    /** The debug-build switch; without effect in release builds. */
    static void setDebugBuildAlwaysDisplaySecretCommand (bool shouldAlwaysDisplay);

    /** Adds a plain item to a menu when secret entries are shown. */
    static void addSecretMenuItem (juce::PopupMenu& menu, int itemId, const juce::String& text, bool isEnabled,
                                   bool isTicked, const juce::String& shortcutText);

    /** What a section header of secret entries starts with. */
    static juce::String getSecretMenuSectionHeaderPrefix()    { return "Advanced: "; }

private:
    std::unique_ptr<AbstractCommand> command;
};

} // namespace gui::tav
