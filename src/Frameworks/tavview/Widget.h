#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <tavcore/Boolean.h>
#include <tavcore/Object.h>

namespace gui::tav
{

//==============================================================================
/**
    The base of everything the GUI layer shows: a JUCE component that is also
    a tav object, so that windows, views, layouts and editors are created by
    class name and a library can replace any of them by a class of its own.

    A widget is built in two steps. The factory makes it with its defaults;
    callInitializeWidget() then builds its content (child widgets, bindings to
    the objects it shows), which is the moment a subclass's member variables
    have been set by whoever created it. callDeinitializeWidget() undoes that
    before the widget goes, while the objects it is bound to still live.

    Every widget carries the Boolean member "flat": a flat widget draws no
    background or frame of its own, so that it blends into the surface it
    lies on (a button in a title bar, an editor filling a view).
*/
class Widget : public juce::Component,
               public ::tav::Object
{
public:
    Widget();
    ~Widget() override;

    juce::String getClassName() const override    { return "Widget"; }

    /** Builds the widget's content once; later calls do nothing. */
    void callInitializeWidget();

    /** Takes the content down again, children first; harmless when not built. */
    void callDeinitializeWidget();

    /** True between callInitializeWidget() and callDeinitializeWidget(). */
    bool isWidgetInitialized() const noexcept     { return initialized; }

    /** Whether the widget draws without background or frame. */
    bool isFlat() const noexcept                  { return flat.get(); }

    /** Sets the "flat" member. */
    void setFlat (bool shouldBeFlat, ::tav::ChangeCallback callback);

    /** The height the widget would like in a column of widgets, 0 for none. */
    virtual int getDefaultHeight() const          { return 0; }

    /** The width the widget would like in a row of widgets, 0 for none. */
    virtual int getDefaultWidth() const           { return 0; }

protected:
    /** Builds the content: subclasses create their child widgets here. */
    virtual void initializeWidget()               {}

    /** Releases what initializeWidget() bound. */
    virtual void deinitializeWidget()             {}

    /** Adds a child widget, shows it, and builds it when this one is built. */
    void addChildWidget (Widget& child);

    /** Removes a child widget after taking its content down. */
    void removeChildWidget (Widget& child);

private:
    ::tav::Boolean flat;
    bool initialized = false;

    JUCE_DECLARE_NON_COPYABLE (Widget)
};

} // namespace gui::tav
