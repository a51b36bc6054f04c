#include "MessageRecorder.h"
#include "TavViewFixture.h"

#include <tavview/ValueEditors.h>
#include <tavview/VariablesEditor.h>
#include <tavview/WidgetCreation.h>

using namespace tavviewtest;

namespace
{

// A library's own editor of its settings, found by name.
class SettingsEditor : public gui::tav::VariablesEditor
{
public:
    juce::String getClassName() const override    { return "TestSettingsEditor"; }
};

using WidgetCreation = TavViewFixture;

} // namespace

//==============================================================================
TEST_F (WidgetCreation, TheDefaultEditorIsFoundByTheClassNameAndItsBases)
{
    struct Case { const char* objectClass; const char* editorClass; };

    for (const auto& c : { Case { "String", "StringEditor" },
                           Case { "Real", "RealEditor" },
                           Case { "PositiveInteger", "PositiveIntegerEditor" },
                           Case { "EventCounter", "PositiveIntegerEditor" },
                           Case { "Boolean", "BooleanEditor" },
                           Case { "TestColour", "EnumerationEditor" },
                           Case { "TestSettings", "VariablesEditor" } })
    {
        auto object = tav::Library::getRootLibrary().createObject (c.objectClass);
        ASSERT_NE (object, nullptr) << c.objectClass;
        auto editor = gui::tav::createDefaultEditor (*object, nullptr);
        ASSERT_NE (editor, nullptr) << c.objectClass;
        EXPECT_EQ (editor->getClassName(), c.editorClass) << c.objectClass;
        EXPECT_EQ (editor->getTarget(), object.get()) << c.objectClass;
    }

    addClass ("TestSettingsEditor", std::make_unique<tav::ClassOf<SettingsEditor>> ("VariablesEditor"));
    Settings settings;
    EXPECT_EQ (gui::tav::createDefaultEditor (settings, nullptr)->getClassName(), "TestSettingsEditor");
}

TEST_F (WidgetCreation, AClassThatMakesNoWidgetIsReported)
{
    const MessageRecorder recorder;
    const auto& root = tav::Library::getRootLibrary();
    Settings settings;

    EXPECT_EQ (gui::tav::createWidget (root.findClass ("TestSettings"), nullptr, nullptr), nullptr);
    EXPECT_EQ (gui::tav::createWidget (root.findClass ("ValueWidget"), nullptr, nullptr), nullptr) << "abstract";
    EXPECT_EQ (gui::tav::createValueWidget (root.findClass ("StackLayout"), settings, nullptr), nullptr);
    EXPECT_EQ (gui::tav::createWidget (nullptr, nullptr, nullptr), nullptr);

    EXPECT_EQ (recorder.getLines(), juce::StringArray ({ "Error: Cannot create a widget of class \"TestSettings\"",
                                                         "Error: Cannot create a widget of class \"ValueWidget\"",
                                                         "Error: Class \"StackLayout\" shows no value",
                                                         "Error: Cannot create a widget without a class" }));
}

TEST_F (WidgetCreation, EveryClassOfTheLibraryAgreesWithItsObjects)
{
    const auto result = tav::Library::getRootLibrary().findLibrary ("GuiTav")->checkClassDeclarations();
    EXPECT_TRUE (result.wasOk()) << result.getErrorMessage();
}
