#include "tavview/WidgetCreation.h"

namespace gui::tav
{

std::unique_ptr<Widget> createWidget (const ::tav::Class* widgetClass, ::tav::Object* target, Widget* parent)
{
    if (widgetClass == nullptr)
    {
        ::tav::ExecutionContext::get().error ("Cannot create a widget without a class");
        return nullptr;
    }

    auto widget = createObjectOfClass<Widget> (widgetClass->getName(), "a widget");

    if (widget == nullptr)
        return nullptr;

    widget->setParent (parent);

    if (auto* valueWidget = dynamic_cast<ValueWidget*> (widget.get()))
        valueWidget->setTarget (target, ::tav::ChangeCallback::notify());

    return widget;
}

std::unique_ptr<ValueWidget> createValueWidget (const ::tav::Class* widgetClass, ::tav::Object& target, Widget* parent)
{
    auto widget = createWidget (widgetClass, &target, parent);

    if (dynamic_cast<ValueWidget*> (widget.get()) == nullptr)
    {
        if (widget != nullptr)
            ::tav::ExecutionContext::get().error ("Class \"" + widgetClass->getName() + "\" shows no value");

        return nullptr;
    }

    return std::unique_ptr<ValueWidget> (static_cast<ValueWidget*> (widget.release()));
}

const ::tav::Class* findDefaultEditorClass (const ::tav::Class* objectClass)
{
    const auto& root = ::tav::Library::getRootLibrary();

    for (auto* c = objectClass; c != nullptr && c->getBaseClass() != nullptr; c = c->getBaseClass())
        if (auto* editorClass = root.findClass (c->getName() + "Editor"))
            return editorClass;

    return root.findClass ("VariablesEditor");
}

std::unique_ptr<ValueWidget> createDefaultEditor (::tav::Object& target, Widget* parent)
{
    return createValueWidget (findDefaultEditorClass (target.getClass()), target, parent);
}

} // namespace gui::tav
