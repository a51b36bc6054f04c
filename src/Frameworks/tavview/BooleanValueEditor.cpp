#include "tavview/BooleanValueEditor.h"

#include <tavcore/Boolean.h>

namespace gui::tav
{

BooleanValueEditor::BooleanValueEditor()
{
    toggle.onClick = [this]
    {
        if (auto* value = getTargetAs<::tav::Boolean>())
            value->set (toggle.getToggleState(), ::tav::ChangeCallback::notify());
    };
    addAndMakeVisible (toggle);
}

void BooleanValueEditor::targetChanged()
{
    const auto* value = getTargetAs<::tav::Boolean>();
    toggle.setToggleState (value != nullptr && value->get(), juce::dontSendNotification);
    toggle.setEnabled (value != nullptr);
}

} // namespace gui::tav
