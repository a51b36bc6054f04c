#pragma once

#include "tavview/Widget.h"

#include <tavcore/Enumeration.h>
#include <tavcore/Real.h>

#include <memory>

namespace gui::tav
{

//==============================================================================
/** Where a split layout puts its first widget. */
class SplitArrangement : public ::tav::Enumeration
{
public:
    /** The enumerators: the first widget above the second, or left of it. */
    enum { firstAbove = 0, firstLeft = 1 };

    explicit SplitArrangement (int initialValue = firstAbove) : Enumeration (initialValue) {}
    juce::String getClassName() const override    { return "SplitArrangement"; }
};

//==============================================================================
/**
    Two widgets side by side (arrangement firstLeft) or one above the other
    (firstAbove), with a divider between them that the user drags. The ratio
    member is the share of the length that the first widget takes.
*/
class SplitLayout : public Widget
{
public:
    SplitLayout();
    ~SplitLayout() override;

    juce::String getClassName() const override    { return "SplitLayout"; }

    /** Sets the first widget, owned from now on. */
    void setFirst (std::unique_ptr<Widget> widget);

    /** Sets the second widget, owned from now on. */
    void setSecond (std::unique_ptr<Widget> widget);

    /** The first widget, or nullptr. */
    Widget* getFirst() const noexcept             { return first.get(); }

    /** The second widget, or nullptr. */
    Widget* getSecond() const noexcept            { return second.get(); }

    /** The first widget's share, kept between 0 and 1. */
    void setRatio (double newRatio);

    /** The first widget's share. */
    double getRatio() const noexcept              { return ratio.get(); }

    /** Sets the arrangement member (SplitArrangement's values). */
    void setArrangement (int newArrangement, ::tav::ChangeCallback callback);

    /** The divider's thickness in pixels. */
    static constexpr int dividerThickness = 6;

    void resized() override;
    void paint (juce::Graphics& g) override;
    void mouseDrag (const juce::MouseEvent& event) override;
    juce::MouseCursor getMouseCursor() override;

private:
    void replace (std::unique_ptr<Widget>& slot, std::unique_ptr<Widget> widget);
    bool isSideBySide() const noexcept            { return arrangement.get() == SplitArrangement::firstLeft; }

    SplitArrangement arrangement;
    ::tav::Real ratio { 0.5 };
    std::unique_ptr<Widget> first, second;
};

} // namespace gui::tav
