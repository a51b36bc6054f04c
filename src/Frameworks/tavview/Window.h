#pragma once

#include "tavview/Widget.h"

#include <memory>

namespace gui::tav
{

//==============================================================================
/**
    A desktop window showing one widget, its content.

    The window object is what the framework creates by class name; the
    operating-system window appears with callInitializeWidget(), which asks
    createContent() for the content and builds it. Closing the window asks
    the application to quit, as every window of a one-window program does.
*/
class Window : public ::tav::Object
{
public:
    Window();
    ~Window() override;

    juce::String getClassName() const override    { return "Window"; }

    /** Creates the content and the desktop window (hidden until placed). */
    void callInitializeWidget();

    /** Takes the content down and closes the desktop window. */
    void callDeinitializeWidget();

    /** The window's title. */
    void setTitle (const juce::String& newTitle);

    /** The content, or nullptr before initialisation. */
    Widget* getContent() const noexcept           { return content.get(); }

    /** The desktop window, or nullptr before initialisation. */
    juce::DocumentWindow* getDesktopWindow() const noexcept { return desktopWindow.get(); }

    /** Shows the window, restores it when minimised and brings it in front
        of every other window, where a second start of the program wants it. */
    void setVisibleOnTopMost();

protected:
    /** Makes the content; nullptr leaves the window empty. */
    virtual std::unique_ptr<Widget> createContent()   { return nullptr; }

private:
    class DesktopWindow;

    juce::String title;
    std::unique_ptr<Widget> content;
    std::unique_ptr<juce::DocumentWindow> desktopWindow;
};

} // namespace gui::tav
