#include "ConfiguratorFixture.h"

#include <ManagedApplicationMenu.h>
#include <ManagedApplicationTableRow.h>
#include <TorvoBootHomeMenuButton.h>
#include <tavview/ObjectOwnedVectorEditor.h>
#include <tavview/SoftwareVersionMainTitleBar.h>
#include <tavview/VariablesEditor.h>
#include <tavview/WeakPointerContextualEditor.h>

using namespace configuratortest;


namespace
{
    class Editor : public ConfiguratorFixture
    {
    protected:
        gui::tav::WeakPointerContextualEditor* details()
        {
            return dynamic_cast<gui::tav::WeakPointerContextualEditor*> (editor()->getSplit().getSecond());
        }

        gui::tav::VariablesEditor* detailsEditor()
        {
            return dynamic_cast<gui::tav::VariablesEditor*> (details()->getEditor());
        }

        /** The executable path the details editor shows, or nullptr. */
        tav::Object* shownApplication()
        {
            auto* variables = detailsEditor();
            return variables != nullptr ? variables->getTarget() : nullptr;
        }
    };
}

TEST_F (Editor, TheMainWindowOpensCentredAtItsSizeWithTheStoredApplicationsAndTheFirstSelected)
{
    const juce::StringArray paths { juce::String ("/opt/torvo/Torvo"), juce::String ("/opt/torvo/TorvoLauncher"),
                                    juce::String::fromUTF8 ("/opt/Shows \xc3\xa9t\xc3\xa9/Player") };
    writeStore (paths);
    startGui();

    auto* window = thread().getMainWindow();
    ASSERT_NE (window, nullptr);
    auto* desktopWindow = window->getDesktopWindow();
    const auto display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    EXPECT_EQ (desktopWindow->getBounds(), display.withSizeKeepingCentre (960, 460));
    EXPECT_EQ (desktopWindow->getName(), "Torvo Boot Configurator");

    ASSERT_NE (editor(), nullptr);
    EXPECT_EQ (editor()->getTarget(), &configuration());
    EXPECT_EQ (pathsOf (configuration()), paths);

    auto& split = editor()->getSplit();
    EXPECT_DOUBLE_EQ (split.getRatio(), 0.25);
    auto* list = dynamic_cast<gui::tav::ObjectOwnedVectorEditor*> (split.getFirst());
    ASSERT_NE (list, nullptr);
    EXPECT_LT (list->getRight(), details()->getX()) << "the list lies left of the details";

    EXPECT_EQ (editor()->getSelectedApplication().get(), configuration().applications.get (0));
    EXPECT_EQ (shownApplication(), configuration().applications.get (0)) << "the details show the first application at once";
    EXPECT_EQ (detailsEditor()->getEditorOf ("executablePath")->getTarget(), &configuration().applications.get (0)->executablePath);

    ASSERT_TRUE (dispatchUntil ([&] { return list->getTable().getRowWidget (2) != nullptr; }));
    EXPECT_EQ (list->getTable().getRowWidget (0)->getClassName(), "ManagedApplicationTableRow");
    EXPECT_EQ (list->getTable().getRowWidget (2)->getDisplayText(), "Player");
    auto rowMenu = list->getTable().getRowWidget (2)->createMenu();
    auto* applicationMenu = dynamic_cast<gui::tav::ManagedApplicationMenu*> (rowMenu.get());
    ASSERT_NE (applicationMenu, nullptr) << "the table's rows offer the application's menu";
    EXPECT_EQ (applicationMenu->getApplicationIndex(), 2) << "the third row addresses application 2";

    auto* titleBar = dynamic_cast<gui::tav::SoftwareVersionMainTitleBar*> (mainView()->getTitleBar());
    ASSERT_NE (titleBar, nullptr);
    ASSERT_EQ (titleBar->getLeftPart().getNumWidgets(), 1u);
    auto* home = dynamic_cast<gui::tav::TorvoBootHomeMenuButton*> (titleBar->getLeftPart().getWidget (0));
    ASSERT_NE (home, nullptr);
    EXPECT_TRUE (home->hasIcon());
    EXPECT_TRUE (home->isFlat());
    EXPECT_TRUE (home->isShowing());

    ASSERT_TRUE (dispatchUntil ([&] { return desktopWindow->getPeer() != nullptr && desktopWindow->getPeer()->getBounds() == desktopWindow->getBounds(); }));
    EXPECT_TRUE (tavviewtest::saveScreenshot (*desktopWindow, "torvo-boot-configurator-main-window.png"));
}

TEST_F (Editor, SelectingAnotherRowShowsItsApplicationInTheSameDetailsEditor)
{
    writeStore ({ "/opt/a", "/opt/b" });
    startGui();
    auto* first = detailsEditor();
    ASSERT_NE (first, nullptr);

    editor()->getApplicationTable()->getListBox().selectRow (1);

    EXPECT_EQ (editor()->getSelectedApplication().get(), configuration().applications.get (1));
    EXPECT_EQ (detailsEditor(), first) << "the details editor was made anew";
    EXPECT_EQ (shownApplication(), configuration().applications.get (1));
}

TEST_F (Editor, AnEmptyListLeavesTheDetailsEmptyUntilAnApplicationIsAdded)
{
    writeStore ({});
    startGui();

    EXPECT_EQ (configuration().applications.size(), 0u);
    EXPECT_EQ (editor()->getSelectedApplication().get(), nullptr);
    EXPECT_EQ (details()->getEditor(), nullptr);

    auto* list = dynamic_cast<gui::tav::ObjectOwnedVectorEditor*> (editor()->getSplit().getFirst());
    list->getButton (0).triggerClick();
    ASSERT_TRUE (dispatchUntil ([&] { return configuration().applications.size() == 1; }));
    EXPECT_EQ (shownApplication(), configuration().applications.get (0)) << "the added application is selected and shown";
}

TEST_F (Editor, WithoutAStoreTheListStartsEmptyAndNothingIsReported)
{
    MessageRecorder recorder (thread().getExecutionContext());
    startGui();

    EXPECT_EQ (configuration().applications.size(), 0u);
    EXPECT_EQ (recorder.countErrors(), 0) << recorder.getText();
}
