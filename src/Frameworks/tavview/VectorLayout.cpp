#include "tavview/VectorLayout.h"

namespace gui::tav
{

VectorLayout::VectorLayout()
{
    addMemberVariableObject (orientation, "orientation");
}

VectorLayout::~VectorLayout()
{
    for (auto& widget : widgets)
        removeChildWidget (*widget);
}

void VectorLayout::addWidget (std::unique_ptr<Widget> widget, ::tav::ChangeCallback callback)
{
    if (widget == nullptr)
        return;

    widget->setParent (this);
    addChildWidget (*widget);
    widgets.push_back (std::move (widget));
    resized();

    if (callback.shouldNotify())
        sendChangeNotification();
}

void VectorLayout::setOrientation (int newOrientation, ::tav::ChangeCallback callback)
{
    orientation.set (newOrientation, callback);
    resized();
}

int VectorLayout::getDefaultLength (const Widget& widget) const
{
    return isVertical() ? widget.getDefaultHeight() : widget.getDefaultWidth();
}

int VectorLayout::sumOfDefaultLengths (bool alongTheLine) const
{
    int sum = 0;

    for (auto& widget : widgets)
    {
        const auto length = alongTheLine == isVertical() ? widget->getDefaultHeight() : widget->getDefaultWidth();
        sum = alongTheLine ? sum + length + gap : juce::jmax (sum, length);
    }

    return alongTheLine && sum > 0 ? sum - gap : sum;
}

int VectorLayout::getDefaultWidth() const
{
    return sumOfDefaultLengths (! isVertical());
}

int VectorLayout::getDefaultHeight() const
{
    return sumOfDefaultLengths (isVertical());
}

void VectorLayout::resized()
{
    const auto total = isVertical() ? getHeight() : getWidth();
    int fixed = 0, sharing = 0;

    for (auto& widget : widgets)
    {
        const auto length = getDefaultLength (*widget);
        fixed += length;
        sharing += length == 0 ? 1 : 0;
    }

    const auto gaps = widgets.empty() ? 0 : gap * (int) (widgets.size() - 1);
    const auto share = sharing > 0 && sharesLeftoverLength() ? juce::jmax (0, total - fixed - gaps) / sharing : 0;
    int position = 0;

    for (auto& widget : widgets)
    {
        auto length = getDefaultLength (*widget);
        length = length > 0 ? length : share;
        widget->setBounds (isVertical() ? juce::Rectangle<int> (0, position, getWidth(), length)
                                        : juce::Rectangle<int> (position, 0, length, getHeight()));
        position += length + gap;
    }
}

} // namespace gui::tav
