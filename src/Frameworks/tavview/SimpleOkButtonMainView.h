#pragma once

#include "tavview/Widget.h"

#include <memory>

namespace gui::tav
{

//==============================================================================
/**
    The content of a main window: an optional title bar at the top (the
    widget of the class that the view class's attribute "titleBar" names),
    the main widget that createMainWidget() makes, and an OK button at the
    bottom right.

    OK means "done": it asks the application to quit, as closing the window
    does, so a program's GUI stop (which saves) runs either way.

    When the program's class has the image attribute "toolbarLogo" (a PNG
    unpacked from its block), the logo sits at the left end of the bar that
    holds the OK button.
*/
class SimpleOkButtonMainView : public Widget
{
public:
    SimpleOkButtonMainView();
    ~SimpleOkButtonMainView() override;

    juce::String getClassName() const override    { return "SimpleOkButtonMainView"; }

    /** The title bar, or nullptr when the class names none. */
    Widget* getTitleBar() const noexcept          { return titleBar.get(); }

    /** The main widget, or nullptr. */
    Widget* getMainWidget() const noexcept        { return mainWidget.get(); }

    /** The OK button. */
    juce::Button& getOkButton() noexcept          { return okButton; }

    /** The program's tool bar logo, or an invalid image when it has none. */
    const juce::Image& getToolbarLogo() const noexcept    { return toolbarLogo; }

    /** Where the logo is drawn, in the view's coordinates (empty without one). */
    juce::Rectangle<int> getToolbarLogoBounds() const noexcept    { return toolbarLogoBounds; }

    /** The title bar's height in pixels. */
    static constexpr int titleBarHeight = 36;

    void resized() override;
    void paint (juce::Graphics& g) override;

protected:
    /** Makes the widget above the OK button; nullptr leaves the space empty. */
    virtual std::unique_ptr<Widget> createMainWidget()    { return nullptr; }

    /** What OK does. */
    virtual void okButtonClicked();

    void initializeWidget() override;
    void deinitializeWidget() override;

private:
    std::unique_ptr<Widget> titleBar, mainWidget;
    juce::TextButton okButton { "OK" };
    juce::Image toolbarLogo;
    juce::Rectangle<int> toolbarLogoBounds;
};

} // namespace gui::tav
