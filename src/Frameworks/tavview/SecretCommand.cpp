#include "tavview/SecretCommand.h"

#include <atomic>

namespace gui::tav
{

namespace
{
    // Process-wide by design: it says how this build shows its menus.
    std::atomic<bool> debugBuildAlwaysDisplays { true };

    constexpr bool isDebugBuild()
    {
       #if JUCE_DEBUG
        return true;
       #else
        return false;
       #endif
    }
}

SecretCommand::SecretCommand (std::unique_ptr<AbstractCommand> commandToHide)
    : command (std::move (commandToHide))
{
    jassert (command != nullptr);
}

bool SecretCommand::canDisplaySecret()
{
    if (isDebugBuild() && debugBuildAlwaysDisplays.load())
        return true;

    return juce::ModifierKeys::currentModifiers.isShiftDown();
}

void SecretCommand::setDebugBuildAlwaysDisplaySecretCommand (bool shouldAlwaysDisplay)
{
    debugBuildAlwaysDisplays = shouldAlwaysDisplay;
}

void SecretCommand::addSecretMenuItem (juce::PopupMenu& menu, int itemId, const juce::String& text, bool isEnabled,
                                       bool isTicked, const juce::String& shortcutText)
{
    if (! canDisplaySecret())
        return;

    juce::PopupMenu::Item item (text);
    item.itemID = itemId;
    item.isEnabled = isEnabled;
    item.isTicked = isTicked;
    item.shortcutKeyDescription = shortcutText;
    menu.addItem (std::move (item));
}

} // namespace gui::tav
