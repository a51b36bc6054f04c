#include "tavview/ObjectMenu.h"

namespace gui::tav
{

ObjectMenu::ObjectMenu (::tav::Object* menuTarget, const juce::String& menuName, const juce::String& menuDescription)
    : target (menuTarget),
      token (menuTarget != nullptr ? menuTarget->getLifetimeToken() : std::weak_ptr<::tav::Object*>()),
      name (menuName),
      description (menuDescription)
{
}

std::unique_ptr<MenuBuilder> ObjectMenu::build()
{
    auto builder = std::make_unique<MenuBuilder>();
    populateMenu (*builder);
    return builder;
}

void ObjectMenu::show (std::unique_ptr<ObjectMenu> menu, juce::Component* targetComponent)
{
    if (menu == nullptr)
        return;

    std::shared_ptr<MenuBuilder> builder = menu->build();
    auto options = juce::PopupMenu::Options();

    if (targetComponent != nullptr)
        options = options.withTargetComponent (targetComponent).withMousePosition();

    juce::PopupMenu popup (builder->getPopupMenu());
    popup.showMenuAsync (options, [builder] (int result)
    {
        builder->perform (result, ::tav::ExecutionContext::get());
    });
}

} // namespace gui::tav
