#include "TavViewFixture.h"

#include <tavview/SplitLayout.h>
#include <tavview/StackLayout.h>

using namespace tavviewtest;

namespace
{

// A widget that asks for a fixed size, as a button does.
class FixedWidget : public gui::tav::Widget
{
public:
    FixedWidget (int w, int h) : width (w), height (h) {}
    int getDefaultWidth() const override          { return width; }
    int getDefaultHeight() const override         { return height; }

    int width, height;
};

std::unique_ptr<gui::tav::Widget> fixed (int w, int h)   { return std::make_unique<FixedWidget> (w, h); }

using Layouts = TavViewFixture;

template <class LayoutType>
std::vector<juce::Rectangle<int>> layOut (LayoutType& layout, std::initializer_list<std::pair<int, int>> sizes)
{
    for (auto [w, h] : sizes)
        layout.addWidget (fixed (w, h), tav::ChangeCallback::none());

    layout.setSize (300, 40);
    std::vector<juce::Rectangle<int>> bounds;

    for (size_t i = 0; i < layout.getNumWidgets(); ++i)
        bounds.push_back (layout.getWidget (i)->getBounds());

    return bounds;
}

} // namespace

//==============================================================================
TEST_F (Layouts, AVectorLayoutSharesTheLengthLeftOverAmongWidgetsWithoutALength)
{
    gui::tav::VectorLayout row;
    const auto gap = gui::tav::VectorLayout::gap;
    const auto bounds = layOut (row, { { 50, 20 }, { 0, 0 }, { 30, 20 }, { 0, 0 } });

    const auto share = (300 - 80 - 3 * gap) / 2;
    EXPECT_EQ (bounds[0], juce::Rectangle<int> (0, 0, 50, 40));
    EXPECT_EQ (bounds[1], juce::Rectangle<int> (50 + gap, 0, share, 40));
    EXPECT_EQ (bounds[2], juce::Rectangle<int> (50 + share + 2 * gap, 0, 30, 40));
    EXPECT_EQ (bounds[3].getWidth(), share);
    EXPECT_EQ (row.getDefaultWidth(), 80 + 3 * gap);
    EXPECT_EQ (row.getDefaultHeight(), 20);
}

TEST_F (Layouts, AVerticalVectorLayoutLinesItsWidgetsUpDownwards)
{
    gui::tav::VectorLayout column;
    column.setOrientation (gui::tav::LayoutOrientation::vertical, tav::ChangeCallback::none());
    column.addWidget (fixed (10, 12), tav::ChangeCallback::none());
    column.addWidget (fixed (0, 0), tav::ChangeCallback::none());
    column.setSize (100, 200);

    EXPECT_EQ (column.getWidget (0)->getBounds(), juce::Rectangle<int> (0, 0, 100, 12));
    EXPECT_EQ (column.getWidget (1)->getBounds(), juce::Rectangle<int> (0, 12 + gui::tav::VectorLayout::gap, 100, 200 - 12 - gui::tav::VectorLayout::gap));
}

TEST_F (Layouts, AStackLayoutPacksItsWidgetsFromTheStart)
{
    gui::tav::StackLayout stack;
    const auto bounds = layOut (stack, { { 28, 28 }, { 0, 0 }, { 28, 28 } });

    EXPECT_EQ (bounds[0], juce::Rectangle<int> (0, 0, 28, 40));
    EXPECT_EQ (bounds[1].getWidth(), 0);
    EXPECT_EQ (bounds[2].getX(), 28 + 2 * gui::tav::VectorLayout::gap);
}

TEST_F (Layouts, ASplitLayoutGivesItsFirstWidgetTheRatioOfTheLength)
{
    struct Case { int arrangement; double ratio; juce::Rectangle<int> first, second; };
    const auto d = gui::tav::SplitLayout::dividerThickness;

    for (const auto& c : { Case { gui::tav::SplitArrangement::firstLeft, 0.25, { 0, 0, 100, 300 }, { 100 + d, 0, 300, 300 } },
                           Case { gui::tav::SplitArrangement::firstAbove, 0.5, { 0, 0, 406, 147 }, { 0, 147 + d, 406, 300 - 147 - d } },
                           Case { gui::tav::SplitArrangement::firstLeft, 1.7, { 0, 0, 400, 300 }, { 400 + d, 0, 0, 300 } } })
    {
        gui::tav::SplitLayout split;
        split.setArrangement (c.arrangement, tav::ChangeCallback::none());
        split.setFirst (fixed (0, 0));
        split.setSecond (fixed (0, 0));
        split.setSize (406, 300);
        split.setRatio (c.ratio);

        EXPECT_EQ (split.getFirst()->getBounds(), c.first) << c.ratio;
        EXPECT_EQ (split.getSecond()->getBounds(), c.second) << c.ratio;
        EXPECT_LE (split.getRatio(), 1.0);
    }
}

TEST_F (Layouts, DraggingTheDividerMovesTheRatio)
{
    gui::tav::SplitLayout split;
    split.setArrangement (gui::tav::SplitArrangement::firstLeft, tav::ChangeCallback::none());
    split.setFirst (fixed (0, 0));
    split.setSecond (fixed (0, 0));
    split.setSize (406, 300);

    auto drag = makeMouseEvent (split, { 103.0f, 10.0f });
    split.mouseDrag (drag);

    EXPECT_NEAR (split.getRatio(), 0.25, 1e-9);
    EXPECT_EQ (split.getFirst()->getWidth(), 100);
}
