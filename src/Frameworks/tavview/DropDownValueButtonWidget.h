#pragma once

#include "tavview/DropDownButtonWidget.h"

namespace gui::tav
{

//==============================================================================
/**
    A drop-down button bound to a value, its target: it shows the value as
    its text and, for an Enumeration, offers the enumerators in its menu,
    ticking the current one and setting the one chosen. Subclasses that
    build menus of their own (a program's home menu) override openPopup()
    and updateDisplay() with their own icon and text.
*/
class DropDownValueButtonWidget : public DropDownBehaviour<DropDownButtonWidget>
{
public:
    juce::String getClassName() const override    { return "DropDownValueButtonWidget"; }

    void openPopup() override;

protected:
    void targetChanged() override;
    void initializeWidget() override              { targetChanged(); }
};

} // namespace gui::tav
