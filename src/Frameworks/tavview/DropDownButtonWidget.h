#pragma once

#include "tavview/ValueWidget.h"

#include <functional>
#include <memory>

namespace gui::tav
{

//==============================================================================
/**
    A button that opens a drop-down menu: an icon, an optional text and a
    chevron. Subclasses build their menu in openPopup(), usually through
    showPopup(), which brackets the menu with onBeforePopupOpen() and
    onAfterPopupClose(); the button looks pressed in between. A plain click
    opens the menu (a right-click does not; see DropDownBehaviour).
*/
class DropDownButtonWidget : public ValueWidget
{
public:
    DropDownButtonWidget();
    ~DropDownButtonWidget() override;

    juce::String getClassName() const override    { return "DropDownButtonWidget"; }

    /** Shows an icon by name (see createIcon(); empty for none) and a text. */
    void updateDisplay (const juce::String& iconName, const juce::String& text);

    /** The text shown. */
    const juce::String& getText() const noexcept  { return text; }

    /** True while the icon named last could be drawn. */
    bool hasIcon() const noexcept                 { return icon != nullptr; }

    /** True between onBeforePopupOpen() and onAfterPopupClose(). */
    bool isPopupOpen() const noexcept             { return popupOpen; }

    /** Builds and shows the menu; nothing by default. */
    virtual void openPopup()                      {}

    /** Called just before the menu shows. */
    virtual void onBeforePopupOpen();

    /** Called once the menu closed, chosen or dismissed. */
    virtual void onAfterPopupClose();

    int getDefaultWidth() const override;
    int getDefaultHeight() const override         { return 28; }
    void paint (juce::Graphics& g) override;
    void mouseEnter (const juce::MouseEvent&) override   { repaint(); }
    void mouseExit (const juce::MouseEvent&) override    { repaint(); }

protected:
    /** Shows a menu below the button; result gets the chosen item id (0 when
        dismissed) after onAfterPopupClose(), even when the button has gone
        meanwhile. */
    void showPopup (const juce::PopupMenu& menu, std::function<void (int)> result);

private:
    juce::String text;
    std::unique_ptr<juce::Drawable> icon, chevron;
    bool popupOpen = false;
};

//==============================================================================
/**
    The click handling of a drop-down button: a plain mouse-down opens the
    menu at once (as a menu bar does, without waiting for the release); a
    pop-up menu click (a right-click) and the mouse-up do nothing.
*/
template <class ButtonType>
class DropDownBehaviour : public ButtonType
{
public:
    void mouseDown (const juce::MouseEvent& event) override
    {
        if (! event.mods.isPopupMenu())
            this->openPopup();
    }

    void mouseUp (const juce::MouseEvent&) override {}
};

} // namespace gui::tav
