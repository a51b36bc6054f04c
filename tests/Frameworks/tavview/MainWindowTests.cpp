#include "MessageRecorder.h"
#include "TavViewFixture.h"

#include <tavview/DropDownButtonWidget.h>
#include <tavview/MainWindow.h>
#include <tavview/PelloThread.h>
#include <tavview/SimpleOkButtonMainView.h>
#include <tavview/SoftwareVersionMainTitleBar.h>
#include <tavview/VariablesEditor.h>
#include <tavview/WidgetCreation.h>

using namespace tavviewtest;

namespace
{

//==============================================================================
// A program's GUI thread as a configurator writes it: it owns the settings
// its window edits, loads them when the GUI starts and saves them when it
// stops.
class TestPelloThread : public gui::tav::PelloThread
{
public:
    TestPelloThread() : PelloThread ("gui", &program)
    {
        addMemberVariableObject (settings, "settings");
    }

    juce::String getClassName() const override    { return "TestPelloThread"; }

    TestProgram program;
    Settings settings;
    juce::StringArray events;

protected:
    bool tavThreadStarted() override
    {
        if (! PelloThread::tavThreadStarted())
            return false;

        events.add ("load on the message thread: " + juce::String (juce::MessageManager::existsAndIsCurrentThread() ? "yes" : "no"));
        settings.name.set ("loaded", tav::ChangeCallback::none());

        if (! createMainWindowsIfNeeded())
            return false;

        getMainWindow()->callInitializeWidget();
        getMainWindow()->setCenterToPrimaryDisplayBounds (640, 360);
        return true;
    }

    void tavThreadStopped() override
    {
        events.add ("save: " + settings.name.get());
        PelloThread::tavThreadStopped();
    }
};

class TestPelloThreadClass : public tav::AbstractClass
{
public:
    TestPelloThreadClass() : AbstractClass ("PelloThread")
    {
        auto& context = tav::ExecutionContext::get();
        setAttribute (context, "service", makeAttributeState (context, "PelloService", "TestPelloThread::service"));
        setAttribute (context, "mainWindowClass", makeAttributeState (context, "TestMainWindow", "TestPelloThread::mainWindowClass"));
        addMemberVariable (context, "TestSettings", "settings", false, {});
    }
};

class TestMainWindow : public gui::tav::MainWindow
{
public:
    juce::String getClassName() const override    { return "TestMainWindow"; }
};

class TestMainView : public gui::tav::SimpleOkButtonMainView
{
public:
    juce::String getClassName() const override    { return "TestMainView"; }

protected:
    std::unique_ptr<gui::tav::Widget> createMainWidget() override
    {
        auto* thread = dynamic_cast<TestPelloThread*> (gui::tav::PelloThread::get());
        return thread != nullptr ? gui::tav::createDefaultEditor (thread->settings, this) : nullptr;
    }
};

// A title bar with the one button a configurator puts there.
class TestTitleBar : public gui::tav::SoftwareVersionMainTitleBar
{
public:
    juce::String getClassName() const override    { return "TestTitleBar"; }

protected:
    void populateLeftPart (gui::tav::StackLayout& layout) override
    {
        auto button = gui::tav::createWidget (tav::Library::getRootLibrary().findClass ("DropDownButtonWidget"), nullptr, this);
        static_cast<gui::tav::DropDownButtonWidget&> (*button).updateDisplay ("home.svg", {});
        button->setFlat (true, tav::ChangeCallback::notify());
        layout.addWidget (std::move (button), tav::ChangeCallback::notify());
    }
};

template <class Type>
std::unique_ptr<tav::Class> classWithAttribute (const char* base, const char* attribute, const char* value)
{
    auto c = std::make_unique<tav::ClassOf<Type>> (base);
    auto& context = tav::ExecutionContext::get();
    c->setAttribute (context, attribute, tav::Class::makeAttributeState (context, value, attribute));
    return c;
}

class MainWindows : public TavViewFixture
{
protected:
    void SetUp() override
    {
        TavViewFixture::SetUp();
        addClass ("TestPelloThread", std::make_unique<TestPelloThreadClass>());
        addClass ("TestMainWindow", classWithAttribute<TestMainWindow> ("MainWindow", "mainViewWidget", "TestMainView"));
        addClass ("TestMainView", classWithAttribute<TestMainView> ("SimpleOkButtonMainView", "titleBar", "TestTitleBar"));
        addClass ("TestTitleBar", std::make_unique<tav::ClassOf<TestTitleBar>> ("SoftwareVersionMainTitleBar"));
    }

    void TearDown() override
    {
        thread.stopTavThread (1000);
        TavViewFixture::TearDown();
    }

    TestPelloThread thread;
};

} // namespace

//==============================================================================
TEST_F (MainWindows, TheGuiThreadBuildsTheMainWindowByClassNameCentredAtTheAskedSize)
{
    ASSERT_TRUE (tav::Library::getRootLibrary().checkClassDeclarations().wasOk())
        << tav::Library::getRootLibrary().checkClassDeclarations().getErrorMessage();
    ASSERT_TRUE (thread.startTavThread (true));
    EXPECT_EQ (gui::tav::PelloThread::get(), &thread);

    auto* window = thread.getMainWindow();
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getClassName(), "TestMainWindow");
    auto* view = dynamic_cast<TestMainView*> (window->getContent());
    ASSERT_NE (view, nullptr);
    ASSERT_NE (dynamic_cast<TestTitleBar*> (view->getTitleBar()), nullptr);
    auto* editor = dynamic_cast<gui::tav::VariablesEditor*> (view->getMainWidget());
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getTarget(), &thread.settings);
    EXPECT_EQ (gui::tav::SoftwareVersionMainTitleBar::getSoftwareVersionText(), "Tav View Test 1.2.3");
    auto& leftPart = static_cast<TestTitleBar*> (view->getTitleBar())->getLeftPart();
    ASSERT_EQ (leftPart.getNumWidgets(), 1u);
    auto* homeButton = leftPart.getWidget (0);
    EXPECT_TRUE (homeButton->isShowing());
    EXPECT_EQ (homeButton->getWidth(), homeButton->getDefaultWidth()) << "packed at its own width";

    const auto display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    const auto expected = display.withSizeKeepingCentre (640, 360);
    auto* desktopWindow = window->getDesktopWindow();
    ASSERT_NE (desktopWindow->getPeer(), nullptr) << "the window is not on the desktop";
    EXPECT_TRUE (desktopWindow->isShowing());
    EXPECT_EQ (desktopWindow->getBounds(), expected);
    EXPECT_EQ (desktopWindow->getScreenBounds().getCentre(), display.getCentre());

    // What the X server holds, once the window has been mapped and painted.
    ASSERT_TRUE (dispatchUntil ([&] { return desktopWindow->getPeer()->getBounds() == expected; }))
        << desktopWindow->getPeer()->getBounds().toString() << " instead of " << expected.toString();
    EXPECT_EQ (view->getScreenBounds().getWidth(), 640);
    EXPECT_GT (editor->getHeight(), 100) << "the editor has no room between title bar and OK button";
    EXPECT_EQ (editor->getEditorOf ("name")->getTarget(), &thread.settings.name);
    ASSERT_TRUE (saveScreenshot (*desktopWindow, "tavview-main-window.png"));

    EXPECT_TRUE (thread.stopTavThread (1000));
    EXPECT_EQ (thread.getMainWindow(), nullptr);
    EXPECT_EQ (gui::tav::PelloThread::get(), nullptr);
    EXPECT_EQ (thread.events, juce::StringArray ({ "load on the message thread: yes", "save: loaded" }));
}

TEST_F (MainWindows, WhileTheGuiRunsErrorsOfTheMessageThreadShowInDialogs)
{
    ASSERT_TRUE (thread.startTavThread (true));
    tav::ExecutionContext::get().error ("\"notepad.exe\" is not an absolute path");     // as a menu's action reports
    ASSERT_TRUE (dispatchUntil ([] { return findDialog() != nullptr; })) << "no dialog";
    EXPECT_EQ (findDialog()->getName(), "Tav View Test") << "the program names the dialog";
    findDialog()->exitModalState (0);
    ASSERT_TRUE (dispatchUntil ([] { return findDialog() == nullptr; }));

    EXPECT_TRUE (thread.stopTavThread (1000));
    tav::ExecutionContext::get().error ("after the GUI");
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    EXPECT_EQ (findDialog(), nullptr) << "the dialogs outlived the GUI thread";
}

TEST_F (MainWindows, AMainWindowClassThatNamesAnUnknownViewLeavesTheWindowEmptyAndSaysSo)
{
    testLibrary->removeClass ("TestMainWindow");
    addClass ("TestMainWindow", classWithAttribute<TestMainWindow> ("MainWindow", "mainViewWidget", "NoSuchView"));
    const MessageRecorder recorder (thread.getExecutionContext());

    ASSERT_TRUE (thread.startTavThread (true));
    ASSERT_NE (thread.getMainWindow(), nullptr);
    EXPECT_EQ (thread.getMainWindow()->getContent(), nullptr);
    EXPECT_EQ (recorder.getLines(), juce::StringArray ("Error: Cannot create a main view of class \"NoSuchView\""));
}

TEST_F (MainWindows, TheGuiThreadRefusesToStartOffTheMessageThread)
{
    std::atomic<int> started { -1 };
    juce::Thread::launch ([&] { started = thread.startTavThread (true) ? 1 : 0; });
    ASSERT_TRUE (dispatchUntil ([&] { return started >= 0; }));
    EXPECT_EQ (started, 0) << "started off the message thread";
    EXPECT_EQ (thread.getMainWindow(), nullptr);
    EXPECT_EQ (gui::tav::PelloThread::get(), nullptr);
}
