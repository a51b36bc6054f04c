#include "tavview/MenuBuilder.h"

#include "tavview/SecretCommand.h"

namespace gui::tav
{

MenuBuilder::MenuBuilder() = default;
MenuBuilder::~MenuBuilder() = default;

juce::PopupMenu::Item MenuBuilder::makeItem (AbstractCommand& command, bool isDestructive, bool isTicked)
{
    juce::PopupMenu::Item item (command.getShortDescription());
    item.itemID = (int) commands.size();
    item.isEnabled = command.isEnabled();
    item.isTicked = isTicked || command.isTicked();

    if (isDestructive)
        item.colour = getDestructiveColour();

    return item;
}

void MenuBuilder::add (std::unique_ptr<AbstractCommand> command, bool isDestructive, bool isTicked)
{
    if (command == nullptr)
        return;

    if (dynamic_cast<SecretCommand*> (command.get()) != nullptr && ! SecretCommand::canDisplaySecret())
        return;

    auto subCommands = command->createSubCommands();
    commands.push_back (std::move (command));
    auto item = makeItem (*commands.back(), isDestructive, isTicked);

    if (! subCommands.empty())
    {
        juce::PopupMenu subMenu;

        for (auto& sub : subCommands)
        {
            commands.push_back (std::move (sub));
            subMenu.addItem (makeItem (*commands.back(), false, false));
        }

        item.itemID = 0;
        item.subMenu = std::make_unique<juce::PopupMenu> (std::move (subMenu));
    }

    menu.addItem (std::move (item));
}

AbstractCommand* MenuBuilder::findCommand (int itemId) const
{
    return itemId >= 1 && (size_t) itemId <= commands.size() ? commands[(size_t) itemId - 1].get() : nullptr;
}

bool MenuBuilder::perform (int itemId, ::tav::ExecutionContext& context)
{
    auto* command = findCommand (itemId);

    if (command == nullptr || ! command->isEnabled())
        return false;

    command->perform (context);
    return true;
}

} // namespace gui::tav
