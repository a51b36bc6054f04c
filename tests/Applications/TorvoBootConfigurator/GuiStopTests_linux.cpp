#include "ConfiguratorFixture.h"

using namespace configuratortest;

namespace
{
    /** Clicks a button of the next dialog that shows, from inside the modal
        loop of whoever asked; remembers the dialog's question. */
    class DialogAnswerer : private juce::Timer
    {
    public:
        explicit DialogAnswerer (const juce::String& buttonText) : answer (buttonText)   { startTimer (20); }
        ~DialogAnswerer() override                                                        { stopTimer(); }

        juce::String question;
        bool clicked = false;

    private:
        void timerCallback() override
        {
            auto* dialog = tavviewtest::findDialog();

            if (dialog == nullptr)
                return;

            question = dialog->getDescription();

            for (auto* child : dialog->getChildren())
                if (auto* button = dynamic_cast<juce::Button*> (child); button != nullptr && button->getButtonText() == answer)
                    clicked = true, button->triggerClick();

            stopTimer();
        }

        juce::String answer;
    };

    class GuiStop : public ConfiguratorFixture
    {
    protected:
        void editAndQuit()
        {
            configuration().applications.get (0)->executablePath.set ("/opt/edited", tav::ChangeCallback::notify());
            systemctlCalls.deleteFile();
            EXPECT_TRUE (thread().stopTavThread (1000));
        }
    };
}

TEST_F (GuiStop, QuittingSavesAndRestartsARunningServiceAndOnlySavesWhenItIsStopped)
{
    struct Case { bool running; const char* calls; };

    for (const auto& c : { Case { true, "is-active --quiet TorvoBoot|stop TorvoBoot|start TorvoBoot" },
                           Case { false, "is-active --quiet TorvoBoot" } })
    {
        writeStore ({ "/opt/stored" });
        setServiceRunning (c.running);
        startGui();

        editAndQuit();

        EXPECT_EQ (readPaths (store), juce::StringArray ({ "/opt/edited" })) << (c.running ? "running" : "stopped");
        EXPECT_EQ (getSystemctlCalls(), c.calls);
    }
}

TEST_F (GuiStop, AStoreThatFailedToLoadIsKeptWhenTheUserSaysSoAndTheServiceIsLeftAlone)
{
    struct Case { const char* content; };

    for (const auto& c : { Case { "TorvoBootConfiguration { applications = [ ManagedApplication { enabled = maybe } ] }" },
                           Case { "ManagedApplication { executablePath = \"/opt/not a configuration\" }" },
                           Case { "not a state text {" } })
    {
        ASSERT_TRUE (store.getParentDirectory().createDirectory());
        ASSERT_TRUE (store.replaceWithText (c.content));
        setServiceRunning (true);
        DialogAnswerer answerer ("Keep the file");
        startGui();

        EXPECT_TRUE (answerer.clicked) << "nobody asked for " << c.content;
        EXPECT_TRUE (answerer.question.contains ("could not be loaded")) << answerer.question;
        EXPECT_TRUE (thread().isStoreKept());
        EXPECT_EQ (configuration().applications.size(), 0u);

        systemctlCalls.deleteFile();
        EXPECT_TRUE (thread().stopTavThread (1000));
        EXPECT_EQ (store.loadFileAsString(), c.content) << "the faulty file was overwritten";
        EXPECT_EQ (getSystemctlCalls(), "") << "the service was restarted for nothing";
    }
}

TEST_F (GuiStop, AStoreThatFailedToLoadIsReplacedWhenTheUserChoosesSo)
{
    ASSERT_TRUE (store.getParentDirectory().createDirectory());
    ASSERT_TRUE (store.replaceWithText ("TorvoBootConfiguration { applications = [ ManagedApplication { enabled = maybe } ] }"));
    setServiceRunning (true);
    DialogAnswerer answerer ("Replace it when I quit");
    startGui();
    ASSERT_TRUE (answerer.clicked);
    EXPECT_FALSE (thread().isStoreKept());

    systemctlCalls.deleteFile();
    EXPECT_TRUE (thread().stopTavThread (1000));
    EXPECT_EQ (readPaths (store), juce::StringArray());
    EXPECT_EQ (getSystemctlCalls(), "is-active --quiet TorvoBoot|stop TorvoBoot|start TorvoBoot");
}

TEST_F (GuiStop, WithoutSystemctlQuittingStillSavesAndSaysWhyTheServiceWasNotAsked)
{
    writeStore ({ "/opt/stored" });
    startGui();
    bin.getChildFile ("systemctl").deleteFile();
    const ScopedEnvironment onlyFakes ("PATH", bin.getFullPathName());
    MessageRecorder recorder (thread().getExecutionContext());

    editAndQuit();

    EXPECT_EQ (readPaths (store), juce::StringArray ({ "/opt/edited" }));
    EXPECT_TRUE (recorder.getText().contains ("systemctl was not found on PATH")) << recorder.getText();
}

TEST_F (GuiStop, ASecondStartBringsTheWindowBackToTheFront)
{
    startGui();
    auto* desktopWindow = thread().getMainWindow()->getDesktopWindow();
    desktopWindow->setVisible (false);

    program.anotherInstanceStarted ({});

    EXPECT_TRUE (desktopWindow->isVisible());
    EXPECT_TRUE (desktopWindow->isOnDesktop());
}
