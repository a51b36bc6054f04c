#include "tavview/DropDownButtonWidget.h"

#include "tavview/Icons.h"

namespace gui::tav
{

DropDownButtonWidget::DropDownButtonWidget()
    : chevron (createIcon ("menu.svg"))
{
}

DropDownButtonWidget::~DropDownButtonWidget() = default;

void DropDownButtonWidget::updateDisplay (const juce::String& iconName, const juce::String& newText)
{
    icon = iconName.isNotEmpty() ? createIcon (iconName) : nullptr;
    text = newText;
    repaint();
}

void DropDownButtonWidget::onBeforePopupOpen()
{
    popupOpen = true;
    repaint();
}

void DropDownButtonWidget::onAfterPopupClose()
{
    popupOpen = false;
    repaint();
}

void DropDownButtonWidget::showPopup (const juce::PopupMenu& menu, std::function<void (int)> result)
{
    onBeforePopupOpen();
    juce::PopupMenu popup (menu);
    popup.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (this),
                         [safe = juce::WeakReference<juce::Component> (this), result] (int chosen)
    {
        if (auto* button = dynamic_cast<DropDownButtonWidget*> (safe.get()))
            button->onAfterPopupClose();

        if (result != nullptr)
            result (chosen);
    });
}

int DropDownButtonWidget::getDefaultWidth() const
{
    const auto height = getDefaultHeight();
    const auto textWidth = text.isEmpty() ? 0 : juce::Font (15.0f).getStringWidth (text) + 8;
    return (icon != nullptr ? height : 0) + textWidth + height / 2 + 4;
}

void DropDownButtonWidget::paint (juce::Graphics& g)
{
    auto area = getLocalBounds();
    const auto highlighted = popupOpen || isMouseOver (true);

    if (! isFlat() || highlighted)
    {
        g.setColour (juce::Colours::white.withAlpha (highlighted ? 0.18f : 0.08f));
        g.fillRoundedRectangle (area.toFloat(), 4.0f);
    }

    const auto colour = juce::Colours::white.withAlpha (isEnabled() ? 0.95f : 0.4f);

    if (icon != nullptr)
    {
        icon->replaceColour (juce::Colours::white, colour);
        icon->drawWithin (g, area.removeFromLeft (getHeight()).reduced (4).toFloat(), juce::RectanglePlacement::centred, 1.0f);
    }

    auto arrowArea = area.removeFromRight (getHeight() / 2 + 4);

    if (text.isNotEmpty())
    {
        g.setColour (colour);
        g.setFont (15.0f);
        g.drawText (text, area.reduced (4, 0), juce::Justification::centredLeft, true);
    }

    if (chevron != nullptr)
        chevron->drawWithin (g, arrowArea.reduced (1, getHeight() / 4).toFloat(), juce::RectanglePlacement::centred, colour.getFloatAlpha());
}

} // namespace gui::tav
