#include "tavview/Widget.h"

namespace gui::tav
{

Widget::Widget()
{
    addMemberVariableObject (flat, "flat");
}

Widget::~Widget() = default;

void Widget::setFlat (bool shouldBeFlat, ::tav::ChangeCallback callback)
{
    flat.set (shouldBeFlat, callback);
    repaint();
}

void Widget::callInitializeWidget()
{
    if (initialized)
        return;

    initialized = true;
    initializeWidget();

    // Children added before this widget was built are built now, after the
    // widget's own content, so that they find their bindings in place.
    for (auto* child : getChildren())
        if (auto* widget = dynamic_cast<Widget*> (child))
            widget->callInitializeWidget();
}

void Widget::callDeinitializeWidget()
{
    if (! initialized)
        return;

    for (auto* child : getChildren())
        if (auto* widget = dynamic_cast<Widget*> (child))
            widget->callDeinitializeWidget();

    deinitializeWidget();
    initialized = false;
}

void Widget::addChildWidget (Widget& child)
{
    addAndMakeVisible (child);

    if (initialized)
        child.callInitializeWidget();
}

void Widget::removeChildWidget (Widget& child)
{
    child.callDeinitializeWidget();
    removeChildComponent (&child);
}

} // namespace gui::tav
