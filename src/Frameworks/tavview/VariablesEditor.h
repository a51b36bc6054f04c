#pragma once

#include "tavview/ValueWidget.h"

#include <tavcore/Class.h>

#include <memory>
#include <vector>

namespace gui::tav
{

//==============================================================================
/**
    Shows the member variables of its target, one line each: the variable's
    name (or its declared property friendlyName) and an editor for its
    value, the default editor of the member's class unless the declaration's
    property "editor" names another class (editor = FilePathEditor). Each
    editor writes into the member object itself, with change notification,
    so the target's observers hear of every edit.

    The lines are rebuilt when the editor is given another target; changes
    of the target's values only refresh the editors.
*/
class VariablesEditor : public ValueWidget
{
public:
    VariablesEditor();
    ~VariablesEditor() override;

    juce::String getClassName() const override    { return "VariablesEditor"; }

    /** The editor of a member variable by name, or nullptr. */
    ValueWidget* getEditorOf (const juce::String& variableName) const;

    /** The number of lines shown. */
    size_t getNumLines() const noexcept           { return lines.size(); }

    /** The height of one line in pixels, nested editors excepted. */
    static constexpr int lineHeight = 28;

    int getDefaultHeight() const override;
    void resized() override;
    void paint (juce::Graphics& g) override;

protected:
    void targetChanged() override;

private:
    struct Line
    {
        juce::String variableName;
        std::unique_ptr<juce::Label> label;
        std::unique_ptr<ValueWidget> editor;
    };

    void rebuild();
    void clearLines();
    std::unique_ptr<ValueWidget> createEditorFor (::tav::Object& member, const ::tav::MemberVariable* declaration);

    ::tav::Object* shownTarget = nullptr;
    std::vector<Line> lines;
};

} // namespace gui::tav
