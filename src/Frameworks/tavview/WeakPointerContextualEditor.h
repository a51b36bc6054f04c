#pragma once

#include "tavview/ValueWidget.h"

#include <tavcore/Class.h>
#include <tavcore/String.h>

#include <memory>

namespace gui::tav
{

//==============================================================================
/**
    Edits whatever object a weak pointer (the target) points at: the details
    beside a table, whose target is the table's selection. The member
    "editorClass" names the editor's class; empty, the pointed object's
    default editor. When the pointer moves to another object the same
    editor is given the new target rather than made anew, unless the new
    object wants an editor of another class.
*/
class WeakPointerContextualEditor : public ValueWidget
{
public:
    WeakPointerContextualEditor();
    ~WeakPointerContextualEditor() override;

    juce::String getClassName() const override    { return "WeakPointerContextualEditor"; }

    /** Sets the editor class (nullptr: the default editor). */
    void setEditorClass (const ::tav::Class* editorClass);

    /** The editor, or nullptr before the pointer first pointed at something. */
    ValueWidget* getEditor() const noexcept       { return editor.get(); }

    void resized() override;

protected:
    void targetChanged() override;

private:
    const ::tav::Class* getEditorClassFor (::tav::Object& object) const;

    ::tav::String editorClass;
    std::unique_ptr<ValueWidget> editor;
};

} // namespace gui::tav
