#include "tavview/EnumerationValueEditor.h"

#include <tavcore/Enumeration.h>

namespace gui::tav
{

EnumerationValueEditor::EnumerationValueEditor()
{
    box.onChange = [this] { choiceMade(); };
    addAndMakeVisible (box);
}

void EnumerationValueEditor::targetChanged()
{
    box.clear (juce::dontSendNotification);
    const auto* value = getTargetAs<::tav::Enumeration>();
    const auto* enumeration = value != nullptr ? value->getEnumerationClass() : nullptr;
    box.setEnabled (enumeration != nullptr);

    if (enumeration == nullptr)
        return;

    const auto& enumerators = enumeration->getEnumerators();

    for (size_t i = 0; i < enumerators.size(); ++i)
    {
        box.addItem (enumerators[i].name, (int) i + 1);

        if (enumerators[i].value == value->get())
            box.setSelectedId ((int) i + 1, juce::dontSendNotification);
    }
}

void EnumerationValueEditor::choiceMade()
{
    auto* value = getTargetAs<::tav::Enumeration>();
    const auto* enumeration = value != nullptr ? value->getEnumerationClass() : nullptr;
    const auto index = box.getSelectedId() - 1;

    if (enumeration != nullptr && juce::isPositiveAndBelow (index, (int) enumeration->getEnumerators().size()))
        value->set (enumeration->getEnumerators()[(size_t) index].value, ::tav::ChangeCallback::notify());
}

} // namespace gui::tav
