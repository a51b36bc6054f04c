#include "tavview/DropDownValueButtonWidget.h"

#include <tavcore/Enumeration.h>

namespace gui::tav
{

void DropDownValueButtonWidget::targetChanged()
{
    if (const auto* value = getTarget())
        updateDisplay ({}, value->saveState().getText());
}

void DropDownValueButtonWidget::openPopup()
{
    auto* value = getTargetAs<::tav::Enumeration>();
    const auto* enumeration = value != nullptr ? value->getEnumerationClass() : nullptr;

    if (enumeration == nullptr)
        return;

    juce::PopupMenu menu;
    const auto& enumerators = enumeration->getEnumerators();

    for (size_t i = 0; i < enumerators.size(); ++i)
        menu.addItem ((int) i + 1, enumerators[i].name, true, enumerators[i].value == value->get());

    // The value, not the button, is what the choice changes; it may outlive
    // the button, or not.
    showPopup (menu, [token = value->getLifetimeToken(), value, values = enumerators] (int chosen)
    {
        if (! token.expired() && chosen >= 1 && (size_t) chosen <= values.size())
            value->set (values[(size_t) chosen - 1].value, ::tav::ChangeCallback::notify());
    });
}

} // namespace gui::tav
