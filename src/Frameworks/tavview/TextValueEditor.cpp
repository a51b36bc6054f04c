#include "tavview/TextValueEditor.h"

#include <tavcore/ExecutionContext.h>

namespace gui::tav
{

TextValueEditor::TextValueEditor()
{
    field.onReturnKey = [this] { commit(); };
    field.onFocusLost = [this] { commit(); };
    field.onEscapeKey = [this] { targetChanged(); };
    addAndMakeVisible (field);
}

void TextValueEditor::restrictInput (const juce::String& allowedCharacters)
{
    field.setInputRestrictions (0, allowedCharacters);
}

bool TextValueEditor::commit()
{
    auto* value = getTarget();

    if (value == nullptr)
        return false;

    const auto text = field.getText();

    if (text == value->saveState().getText())
        return true;

    const auto result = value->loadState (::tav::State (text, true), getClassName());

    if (result.failed())
    {
        ::tav::ExecutionContext::get().error ("\"" + text + "\" is refused: " + result.getErrorMessage(), value);
        targetChanged();
        return false;
    }

    return true;
}

void TextValueEditor::targetChanged()
{
    const auto* value = getTarget();
    field.setText (value != nullptr ? value->saveState().getText() : juce::String(), juce::dontSendNotification);
    field.setEnabled (value != nullptr);
}

void TextValueEditor::resized()
{
    field.setBounds (getLocalBounds());
}

} // namespace gui::tav
