#include "tavview/WeakPointerContextualEditor.h"

#include "tavview/WidgetCreation.h"

#include <tavcore/ObjectWeakPointer.h>

namespace gui::tav
{

WeakPointerContextualEditor::WeakPointerContextualEditor()
{
    addMemberVariableObject (editorClass, "editorClass");
}

WeakPointerContextualEditor::~WeakPointerContextualEditor()
{
    if (editor != nullptr)
        removeChildWidget (*editor);
}

void WeakPointerContextualEditor::setEditorClass (const ::tav::Class* newClass)
{
    editorClass.set (newClass != nullptr ? newClass->getName() : juce::String(), ::tav::ChangeCallback::notify());
}

const ::tav::Class* WeakPointerContextualEditor::getEditorClassFor (::tav::Object& object) const
{
    if (editorClass.get().isNotEmpty())
        return ::tav::Library::getRootLibrary().findClass (editorClass.get());

    return findDefaultEditorClass (object.getClass());
}

void WeakPointerContextualEditor::targetChanged()
{
    auto* pointer = getTargetAs<::tav::ObjectWeakPointer>();
    auto* pointed = pointer != nullptr ? pointer->get() : nullptr;

    if (pointed == nullptr)
    {
        if (editor != nullptr)
            editor->setTarget (nullptr, ::tav::ChangeCallback::notify());

        return;
    }

    const auto* wanted = getEditorClassFor (*pointed);

    if (editor != nullptr && editor->getClass() == wanted)
    {
        editor->setTarget (pointed, ::tav::ChangeCallback::notify());
        return;
    }

    if (editor != nullptr)
        removeChildWidget (*editor);

    editor = createValueWidget (wanted, *pointed, this);

    if (editor != nullptr)
    {
        addChildWidget (*editor);
        resized();
    }
}

void WeakPointerContextualEditor::resized()
{
    if (editor != nullptr)
        editor->setBounds (getLocalBounds());
}

} // namespace gui::tav
