#pragma once

#include "tavview/ValueWidget.h"

namespace gui::tav
{

//==============================================================================
/** Edits an Enumeration with a drop-down list of its class's enumerators,
    by name; a choice is written into the value at once. */
class EnumerationValueEditor : public ValueWidget
{
public:
    EnumerationValueEditor();

    juce::String getClassName() const override    { return "EnumerationEditor"; }

    /** The drop-down list; item i + 1 is the class's enumerator i. */
    juce::ComboBox& getComboBox() noexcept        { return box; }

    int getDefaultHeight() const override         { return 26; }
    void resized() override                       { box.setBounds (getLocalBounds()); }

protected:
    void targetChanged() override;

private:
    void choiceMade();

    juce::ComboBox box;
};

} // namespace gui::tav
