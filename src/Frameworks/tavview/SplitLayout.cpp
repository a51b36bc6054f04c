#include "tavview/SplitLayout.h"

namespace gui::tav
{

SplitLayout::SplitLayout()
{
    addMemberVariableObject (arrangement, "arrangement");
    addMemberVariableObject (ratio, "ratio");
}

SplitLayout::~SplitLayout()
{
    replace (first, nullptr);
    replace (second, nullptr);
}

void SplitLayout::replace (std::unique_ptr<Widget>& slot, std::unique_ptr<Widget> widget)
{
    if (slot != nullptr)
        removeChildWidget (*slot);

    slot = std::move (widget);

    if (slot != nullptr)
    {
        slot->setParent (this);
        addChildWidget (*slot);
    }

    resized();
}

void SplitLayout::setFirst (std::unique_ptr<Widget> widget)    { replace (first, std::move (widget)); }
void SplitLayout::setSecond (std::unique_ptr<Widget> widget)   { replace (second, std::move (widget)); }

void SplitLayout::setRatio (double newRatio)
{
    ratio.set (juce::jlimit (0.0, 1.0, newRatio), ::tav::ChangeCallback::notify());
    resized();
}

void SplitLayout::setArrangement (int newArrangement, ::tav::ChangeCallback callback)
{
    arrangement.set (newArrangement, callback);
    resized();
}

void SplitLayout::resized()
{
    auto area = getLocalBounds();
    const auto length = isSideBySide() ? area.getWidth() : area.getHeight();
    const auto firstLength = juce::roundToInt (juce::jmax (0, length - dividerThickness) * ratio.get());
    auto firstArea = isSideBySide() ? area.removeFromLeft (firstLength) : area.removeFromTop (firstLength);

    if (isSideBySide())
        area.removeFromLeft (dividerThickness);
    else
        area.removeFromTop (dividerThickness);

    if (first != nullptr)
        first->setBounds (firstArea);

    if (second != nullptr)
        second->setBounds (area);
}

void SplitLayout::paint (juce::Graphics& g)
{
    if (! isFlat())
        g.fillAll (getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId));
}

void SplitLayout::mouseDrag (const juce::MouseEvent& event)
{
    const auto length = isSideBySide() ? getWidth() : getHeight();
    const auto position = isSideBySide() ? event.position.x : event.position.y;

    if (length > dividerThickness)
        setRatio ((position - dividerThickness / 2.0) / (length - dividerThickness));
}

juce::MouseCursor SplitLayout::getMouseCursor()
{
    return isSideBySide() ? juce::MouseCursor::LeftRightResizeCursor : juce::MouseCursor::UpDownResizeCursor;
}

} // namespace gui::tav
