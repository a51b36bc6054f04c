#include "TavViewFixture.h"

#include <tavview/ChangeWatcher.h>
#include <tavview/ObjectOwnedVectorEditor.h>
#include <tavview/VariablesEditor.h>
#include <tavview/WeakPointerContextualEditor.h>
#include <tavview/WidgetCreation.h>

using namespace tavviewtest;

namespace
{

// A library's own row class for its items, found by the item's class name.
class ApplicationRow : public gui::tav::ItemTableRow
{
public:
    juce::String getClassName() const override    { return "TestApplicationTableRow"; }
};

class Tables : public TavViewFixture
{
protected:
    void SetUp() override
    {
        TavViewFixture::SetUp();
        addClass ("TestApplicationTableRow", std::make_unique<tav::ClassOf<ApplicationRow>> ("ItemTableRow"));
        list = makeApplications ({ "host", "launcher", "monitor" });
        const auto* editorClass = tav::Library::getRootLibrary().findClass ("ObjectOwnedVectorEditor");
        editor.reset (dynamic_cast<gui::tav::ObjectOwnedVectorEditor*> (gui::tav::createValueWidget (editorClass, *list, nullptr).release()));
        ASSERT_NE (editor, nullptr);
        editor->callInitializeWidget();
        window = std::make_unique<ContentWindow> ("tavview list", *editor, juce::Rectangle<int> (40, 40, 320, 300));
        ASSERT_TRUE (dispatchUntil ([&] { return table().getRowWidget (0) != nullptr; })) << "no row shown";
    }

    void TearDown() override
    {
        window = nullptr;
        editor = nullptr;
        list = nullptr;
        TavViewFixture::TearDown();
    }

    gui::tav::Table& table()                      { return editor->getTable(); }
    tav::Object* selected()                       { return table().getSelection().get(); }

    /** Clicks a button of the editor and waits for the click to land. */
    void click (int buttonIndex, const std::function<bool()>& landed)
    {
        auto& button = editor->getButton (buttonIndex);
        ASSERT_TRUE (button.isEnabled()) << button.getButtonText();
        button.triggerClick();
        ASSERT_TRUE (dispatchUntil (landed)) << "clicking " << button.getButtonText() << " did nothing";
    }

    std::unique_ptr<tav::ObjectOwnedVector<Application>> list;
    std::unique_ptr<gui::tav::ObjectOwnedVectorEditor> editor;
    std::unique_ptr<ContentWindow> window;
};

} // namespace

//==============================================================================
TEST_F (Tables, RowsAreMadeByTheItemsClassAndShowTheirNames)
{
    EXPECT_EQ (table().getNumAccessibleRows(), 3);

    for (int row = 0; row < 3; ++row)
    {
        auto* rowWidget = table().getRowWidget (row);
        ASSERT_NE (rowWidget, nullptr) << row;
        EXPECT_EQ (rowWidget->getClassName(), "TestApplicationTableRow");
        EXPECT_EQ (rowWidget->getTarget(), list->get ((size_t) row));
        EXPECT_EQ (rowWidget->getDisplayText(), list->get ((size_t) row)->name.get());
    }

    const auto& root = tav::Library::getRootLibrary();
    EXPECT_EQ (gui::tav::Table::findRowClass (root.findClass ("TestSettings"))->getName(), "ItemTableRow");
    ASSERT_TRUE (saveScreenshot (*window, "tavview-table.png"));
}

TEST_F (Tables, TheButtonsAddRemoveAndMoveTheSelectedItem)
{
    table().selectRow (list->get (1), false, true);
    EXPECT_TRUE (editor->getButton (2).isEnabled() && editor->getButton (3).isEnabled()) << "a middle row moves both ways";

    click (0, [&] { return list->size() == 4; });
    EXPECT_EQ (namesOf (*list), juce::StringArray ({ "host", "launcher", "new", "monitor" })) << "added after the selection";
    ASSERT_EQ (selected(), list->get (2)) << "the new item is selected";

    click (2, [&] { return namesOf (*list)[1] == "new"; });
    EXPECT_EQ (namesOf (*list), juce::StringArray ({ "host", "new", "launcher", "monitor" }));
    EXPECT_EQ (selected(), list->get (1)) << "the selection moved with its item";

    click (3, [&] { return namesOf (*list)[2] == "new"; });
    click (3, [&] { return namesOf (*list)[3] == "new"; });
    EXPECT_FALSE (editor->getButton (3).isEnabled()) << "the last item cannot move down";

    click (1, [&] { return list->size() == 3; });
    EXPECT_EQ (namesOf (*list), juce::StringArray ({ "host", "launcher", "monitor" }));
    EXPECT_EQ (selected(), list->get (2)) << "the neighbour is selected";
    EXPECT_TRUE (dispatchUntil ([&] { return table().getRowWidget (2) != nullptr && table().getRowWidget (2)->getDisplayText() == "monitor"; }));
}

TEST_F (Tables, TheSelectionFollowsItsItemThroughChangesMadeElsewhere)
{
    int selectionChanges = 0;
    const gui::tav::ChangeWatcher watcher (table().getSelection(), [&] { ++selectionChanges; });

    table().getListBox().selectRow (2);     // as a click on the row does
    ASSERT_EQ (selected(), list->get (2));
    auto* monitor = selected();

    list->move (2, 0, tav::ChangeCallback::notify());
    EXPECT_EQ (selected(), monitor);
    EXPECT_EQ (table().getListBox().getSelectedRow(), 0);

    list->remove (0, tav::ChangeCallback::notify());
    EXPECT_EQ (selected(), nullptr);
    EXPECT_EQ (table().getListBox().getNumSelectedRows(), 0);
    EXPECT_FALSE (editor->getButton (1).isEnabled()) << "nothing to remove";
    EXPECT_EQ (selectionChanges, 2);
}

TEST_F (Tables, TheContextualEditorFollowsTheSelectionWithOneEditor)
{
    gui::tav::WeakPointerContextualEditor details;
    details.setEditorClass (tav::Library::getRootLibrary().findClass ("VariablesEditor"));
    details.setTarget (&table().getSelection(), tav::ChangeCallback::notify());
    EXPECT_EQ (details.getEditor(), nullptr) << "nothing selected yet";

    table().selectRow (list->get (0), false, true);
    auto* shown = dynamic_cast<gui::tav::VariablesEditor*> (details.getEditor());
    ASSERT_NE (shown, nullptr);
    EXPECT_EQ (shown->getTarget(), list->get (0));

    table().selectRow (list->get (2), false, true);
    EXPECT_EQ (details.getEditor(), shown) << "the editor was made anew";
    EXPECT_EQ (shown->getTarget(), list->get (2));
    EXPECT_EQ (shown->getEditorOf ("name")->getTarget(), &list->get (2)->name);

    list->clear (tav::ChangeCallback::notify());
    EXPECT_EQ (shown->getTarget(), nullptr);
}
