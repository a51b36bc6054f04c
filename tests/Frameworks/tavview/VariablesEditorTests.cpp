#include "MessageRecorder.h"
#include "TavViewFixture.h"

#include <tavview/ValueEditors.h>
#include <tavview/VariablesEditor.h>
#include <tavview/WidgetCreation.h>

using namespace tavviewtest;

namespace
{

class VariablesEditors : public TavViewFixture
{
protected:
    void SetUp() override
    {
        TavViewFixture::SetUp();
        settings = create<Settings> ("TestSettings");
        ASSERT_NE (settings, nullptr);
        editor.reset (dynamic_cast<gui::tav::VariablesEditor*> (gui::tav::createDefaultEditor (*settings, nullptr).release()));
        ASSERT_NE (editor, nullptr);
        editor->callInitializeWidget();
        window = std::make_unique<ContentWindow> ("tavview editor", *editor, juce::Rectangle<int> (40, 40, 480, 240));
        ASSERT_TRUE (dispatchUntil ([&] { return window->isShowing(); }));
    }

    void TearDown() override
    {
        window = nullptr;
        editor = nullptr;
        settings = nullptr;
        TavViewFixture::TearDown();
    }

    template <class EditorType>
    EditorType& editorOf (const juce::String& variableName)
    {
        auto* found = dynamic_cast<EditorType*> (editor->getEditorOf (variableName));
        EXPECT_NE (found, nullptr) << variableName;
        return *found;
    }

    /** Types a text into a field as a person would: focus, text, Return
        (which the field hands on through the message loop). */
    static void typeInto (gui::tav::TextValueEditor& field, const juce::String& text)
    {
        auto& box = field.getTextEditor();
        box.grabKeyboardFocus();
        box.selectAll();
        box.insertTextAtCaret (text);
        box.keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    }

    std::unique_ptr<Settings> settings;
    std::unique_ptr<gui::tav::VariablesEditor> editor;
    std::unique_ptr<ContentWindow> window;
};

} // namespace

//==============================================================================
TEST_F (VariablesEditors, ShowOneLinePerMemberWithTheEditorOfItsKind)
{
    struct Case { const char* variable; const char* editorClass; juce::String shown; };

    for (const auto& c : { Case { "name", "StringEditor", "first" },
                           Case { "gain", "RealEditor", "1" },
                           Case { "count", "PositiveIntegerEditor", "3" },
                           Case { "enabled", "BooleanEditor", {} },
                           Case { "colour", "EnumerationEditor", {} },
                           Case { "executable", "FilePathEditor", {} } })
    {
        auto* shown = editor->getEditorOf (c.variable);
        ASSERT_NE (shown, nullptr) << c.variable;
        EXPECT_EQ (shown->getClassName(), c.editorClass) << c.variable;
        EXPECT_TRUE (shown->isShowing()) << c.variable;

        if (auto* text = dynamic_cast<gui::tav::TextValueEditor*> (shown); text != nullptr && c.shown.isNotEmpty())
        {
            EXPECT_EQ (text->getTextEditor().getText(), c.shown) << c.variable;
        }
    }

    EXPECT_EQ (editor->getNumLines(), 6u);
    EXPECT_EQ (editorOf<gui::tav::EnumerationValueEditor> ("colour").getComboBox().getText(), "red");
    ASSERT_TRUE (saveScreenshot (*window, "tavview-variables-editor.png"));
}

TEST_F (VariablesEditors, EditsOfEveryKindChangeTheObjectAndTellItsObservers)
{
    const ChangeCounter counter (*settings);

    typeInto (editorOf<gui::tav::TextValueEditor> ("name"), "Torvo host");
    EXPECT_TRUE (dispatchUntil ([&] { return settings->name.get() == "Torvo host"; })) << settings->name.get();

    typeInto (editorOf<gui::tav::TextValueEditor> ("gain"), "2.5");
    EXPECT_TRUE (dispatchUntil ([&] { return settings->gain.get() == 2.5; })) << settings->gain.get();

    typeInto (editorOf<gui::tav::TextValueEditor> ("count"), "17");
    EXPECT_TRUE (dispatchUntil ([&] { return settings->count.get() == 17u; })) << settings->count.get();

    editorOf<gui::tav::BooleanValueEditor> ("enabled").getToggleButton().triggerClick();
    ASSERT_TRUE (dispatchUntil ([&] { return settings->enabled.get(); })) << "the click did not reach the object";

    editorOf<gui::tav::EnumerationValueEditor> ("colour").getComboBox().setSelectedId (3, juce::sendNotificationSync);
    EXPECT_EQ (settings->colour.get(), 3) << "blue";

    EXPECT_EQ (counter.changes, 5);
}

TEST_F (VariablesEditors, FollowChangesMadeToTheObjectElsewhere)
{
    settings->gain.set (0.25, tav::ChangeCallback::notify());
    settings->enabled.set (true, tav::ChangeCallback::notify());
    settings->colour.set (2, tav::ChangeCallback::notify());

    EXPECT_EQ (editorOf<gui::tav::TextValueEditor> ("gain").getTextEditor().getText(), "0.25");
    EXPECT_TRUE (editorOf<gui::tav::BooleanValueEditor> ("enabled").getToggleButton().getToggleState());
    EXPECT_EQ (editorOf<gui::tav::EnumerationValueEditor> ("colour").getComboBox().getText(), "green");
}

TEST_F (VariablesEditors, ARefusedTextIsReportedAndTheFieldShowsTheValueAgain)
{
    const MessageRecorder recorder;
    const ChangeCounter counter (*settings);
    auto& gain = editorOf<gui::tav::TextValueEditor> ("gain");

    typeInto (gain, "1e");
    ASSERT_TRUE (dispatchUntil ([&] { return ! recorder.getMessages().empty(); })) << "nothing reported";

    EXPECT_EQ (settings->gain.get(), 1.0);
    EXPECT_EQ (gain.getTextEditor().getText(), "1");
    EXPECT_EQ (counter.changes, 0);
    ASSERT_EQ (recorder.getMessages().size(), 1u);
    EXPECT_EQ (recorder.getMessages()[0].level, tav::MessageLevel::error);
    EXPECT_TRUE (recorder.getMessages()[0].text.startsWith ("\"1e\" is refused: ")) << recorder.getMessages()[0].text;
}

TEST_F (VariablesEditors, AnotherTargetRebuildsTheLinesAndNoTargetLeavesThemEmpty)
{
    auto other = create<Settings> ("TestSettings");
    other->name.set ("second", tav::ChangeCallback::none());

    editor->setTarget (other.get(), tav::ChangeCallback::notify());
    EXPECT_EQ (editorOf<gui::tav::TextValueEditor> ("name").getTextEditor().getText(), "second");

    editor->setTarget (nullptr, tav::ChangeCallback::notify());
    EXPECT_EQ (editor->getNumLines(), 0u);
}

