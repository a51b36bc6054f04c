#include "tavview/VariablesEditor.h"

#include "tavview/WidgetCreation.h"

namespace gui::tav
{

namespace
{
    juce::String getPropertyText (const ::tav::MemberVariable* declaration, const juce::String& name)
    {
        const auto* property = declaration != nullptr ? declaration->properties.find (name) : nullptr;
        return property != nullptr ? property->getText() : juce::String();
    }

    constexpr int labelWidth = 160;
}

VariablesEditor::VariablesEditor() = default;

VariablesEditor::~VariablesEditor()
{
    clearLines();
}

void VariablesEditor::targetChanged()
{
    if (getTarget() != shownTarget)
        rebuild();
}

void VariablesEditor::clearLines()
{
    for (auto& line : lines)
        if (line.editor != nullptr)
            removeChildWidget (*line.editor);

    lines.clear();
}

void VariablesEditor::rebuild()
{
    clearLines();
    shownTarget = getTarget();

    if (shownTarget == nullptr)
        return;

    const auto* targetClass = shownTarget->getClass();
    const auto declarations = targetClass != nullptr ? targetClass->getMemberVariables()
                                                     : std::vector<const ::tav::MemberVariable*>();

    for (size_t i = 0; i < shownTarget->getNumMemberVariableObjects(); ++i)
    {
        auto* member = shownTarget->getMemberVariable (i);
        const auto* declaration = i < declarations.size() ? declarations[i] : nullptr;

        if (member == nullptr || (declaration != nullptr && declaration->isTransient))
            continue;

        Line line;
        line.variableName = shownTarget->getMemberVariableName (i);
        const auto friendlyName = getPropertyText (declaration, "friendlyName");
        line.label = std::make_unique<juce::Label> (line.variableName, friendlyName.isNotEmpty() ? friendlyName : line.variableName);
        addAndMakeVisible (*line.label);
        line.editor = createEditorFor (*member, declaration);

        if (line.editor != nullptr)
            addChildWidget (*line.editor);

        lines.push_back (std::move (line));
    }

    resized();
}

std::unique_ptr<ValueWidget> VariablesEditor::createEditorFor (::tav::Object& member, const ::tav::MemberVariable* declaration)
{
    const auto editorName = getPropertyText (declaration, "editor");
    const auto* editorClass = editorName.isNotEmpty() ? ::tav::Library::getRootLibrary().findClass (editorName)
                                                      : findDefaultEditorClass (member.getClass());
    return createValueWidget (editorClass, member, this);
}

ValueWidget* VariablesEditor::getEditorOf (const juce::String& variableName) const
{
    for (auto& line : lines)
        if (line.variableName == variableName)
            return line.editor.get();

    return nullptr;
}

int VariablesEditor::getDefaultHeight() const
{
    int height = 0;

    for (auto& line : lines)
        height += line.editor != nullptr ? juce::jmax (lineHeight, line.editor->getDefaultHeight() + 2) : lineHeight;

    return height;
}

void VariablesEditor::resized()
{
    auto area = getLocalBounds().reduced (4, 0);

    for (auto& line : lines)
    {
        const auto height = line.editor != nullptr ? juce::jmax (lineHeight, line.editor->getDefaultHeight() + 2) : lineHeight;
        auto row = area.removeFromTop (height);
        line.label->setBounds (row.removeFromLeft (labelWidth).withHeight (lineHeight));

        if (line.editor != nullptr)
            line.editor->setBounds (row.reduced (0, 1));
    }
}

void VariablesEditor::paint (juce::Graphics& g)
{
    if (! isFlat())
        g.fillAll (getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId).brighter (0.05f));
}

} // namespace gui::tav
