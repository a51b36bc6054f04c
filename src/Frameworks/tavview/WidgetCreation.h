#pragma once

#include "tavview/ValueWidget.h"

#include <tavcore/Class.h>
#include <tavcore/Library.h>

#include <memory>

namespace gui::tav
{

//==============================================================================
/** Creates an object of a registered class that is a Type, or nullptr (with
    an error on the calling thread's context) when the class is unknown,
    abstract or of another kind. */
template <class Type>
std::unique_ptr<Type> createObjectOfClass (const juce::String& className, const juce::String& purpose)
{
    auto object = ::tav::Library::getRootLibrary().createObject (className);
    auto* typed = dynamic_cast<Type*> (object.get());

    if (typed == nullptr)
    {
        ::tav::ExecutionContext::get().error ("Cannot create " + purpose + " of class \"" + className + "\"");
        return nullptr;
    }

    object.release();
    return std::unique_ptr<Type> (typed);
}

/** Creates a widget of a class; a value widget gets target as its target.
    The widget's object parent becomes parent. nullptr (with an error) when
    the class cannot make widgets. */
std::unique_ptr<Widget> createWidget (const ::tav::Class* widgetClass, ::tav::Object* target, Widget* parent);

/** Creates a value widget of a class that shows target. */
std::unique_ptr<ValueWidget> createValueWidget (const ::tav::Class* widgetClass, ::tav::Object& target, Widget* parent);

/** The class of the editor that shows objects of a class when nobody asks
    for another: the class registered as the object's class name followed by
    "Editor" ("StringEditor", "TorvoNetConfigurationEditor"), looked up from
    the object's class through its base classes short of the root class
    "Object", and "VariablesEditor",
    which shows the member variables, for every other object. */
const ::tav::Class* findDefaultEditorClass (const ::tav::Class* objectClass);

/** Creates the default editor of an object (see findDefaultEditorClass()). */
std::unique_ptr<ValueWidget> createDefaultEditor (::tav::Object& target, Widget* parent);

} // namespace gui::tav
