#pragma once

#include "tavview/ValueWidget.h"

namespace gui::tav
{

//==============================================================================
/** Edits a Boolean with a tick box; each click is written into the value. */
class BooleanValueEditor : public ValueWidget
{
public:
    BooleanValueEditor();

    juce::String getClassName() const override    { return "BooleanEditor"; }

    /** The tick box. */
    juce::ToggleButton& getToggleButton() noexcept { return toggle; }

    int getDefaultHeight() const override         { return 26; }
    void resized() override                       { toggle.setBounds (getLocalBounds()); }

protected:
    void targetChanged() override;

private:
    juce::ToggleButton toggle;
};

} // namespace gui::tav
