#pragma once

#include "tavview/Widget.h"

#include <tavcore/Enumeration.h>

#include <memory>
#include <vector>

namespace gui::tav
{

//==============================================================================
/** Which way a layout lines its widgets up. */
class LayoutOrientation : public ::tav::Enumeration
{
public:
    /** The enumerators. */
    enum { horizontal = 0, vertical = 1 };

    explicit LayoutOrientation (int initialValue = horizontal) : Enumeration (initialValue) {}
    juce::String getClassName() const override    { return "LayoutOrientation"; }
};

//==============================================================================
/**
    A row (or, with orientation vertical, a column) of widgets that it owns.
    Each widget gets its default length along the line; the length left over
    is shared equally by the widgets that have no default length.
*/
class VectorLayout : public Widget
{
public:
    VectorLayout();
    ~VectorLayout() override;

    juce::String getClassName() const override    { return "VectorLayout"; }

    /** Appends a widget, owned from now on; with notify, the layout tells its
        observers that its content changed. */
    void addWidget (std::unique_ptr<Widget> widget, ::tav::ChangeCallback callback);

    /** The number of widgets. */
    size_t getNumWidgets() const noexcept         { return widgets.size(); }

    /** The widget at an index, or nullptr. */
    Widget* getWidget (size_t index) const noexcept { return index < widgets.size() ? widgets[index].get() : nullptr; }

    /** Sets the orientation member. */
    void setOrientation (int newOrientation, ::tav::ChangeCallback callback);

    /** True for a column. */
    bool isVertical() const noexcept              { return orientation.get() == LayoutOrientation::vertical; }

    /** The space between neighbouring widgets, in pixels. */
    static constexpr int gap = 4;

    void resized() override;
    int getDefaultWidth() const override;
    int getDefaultHeight() const override;

protected:
    /** Whether widgets without a default length share the rest. */
    virtual bool sharesLeftoverLength() const     { return true; }

private:
    int getDefaultLength (const Widget& widget) const;
    int sumOfDefaultLengths (bool alongTheLine) const;

    LayoutOrientation orientation;
    std::vector<std::unique_ptr<Widget>> widgets;
};

} // namespace gui::tav
