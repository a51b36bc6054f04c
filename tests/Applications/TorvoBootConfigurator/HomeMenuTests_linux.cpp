#include "ConfiguratorFixture.h"
#include "ControlSocket_linux.h"
#include "Waiting.h"

#include <TorvoBootHomeMenuActions.h>
#include <TorvoBootHomeMenuButton.h>
#include <tavview/SoftwareVersionMainTitleBar.h>

using namespace configuratortest;
using Id = gui::tav::TorvoBootHomeMenuButton::MenuItemId;

namespace
{
    class HomeMenu : public ConfiguratorFixture
    {
    protected:
        juce::StringArray describeHomeMenu (bool secret)
        {
            juce::ModifierKeys::currentModifiers = secret ? juce::ModifierKeys (juce::ModifierKeys::shiftModifier) : juce::ModifierKeys();
            return describeMenu (gui::tav::TorvoBootHomeMenuButton::buildMenu(), true);
        }
    };
}

TEST_F (HomeMenu, TheOrdinaryMenuNamesTheConfigurationAndHidesTheServiceEntries)
{
    for (const auto running : { false, true })
    {
        setServiceRunning (running);
        EXPECT_EQ (describeHomeMenu (false), juce::StringArray ({ "1 Load configuration and restart Torvo Boot",
                                                                  "2 Save configuration and restart Torvo Boot",
                                                                  "3 Save configuration as",
                                                                  "4 Reveal configuration in explorer",
                                                                  "---",
                                                                  "5 Reveal log in explorer",
                                                                  "---",
                                                                  "13 Edit system environment variables",
                                                                  "---",
                                                                  "14 Exit" }))
            << (running ? "running" : "stopped");
    }
}

TEST_F (HomeMenu, TheSecretMenuEnablesItsEntriesByTheServicesState)
{
    struct Case { bool running; juce::StringArray expected; };

    for (const auto& c : { Case { false, { "# Torvo Boot Configuration",
                                           "1 Load and restart Torvo Boot", "2 Save and restart Torvo Boot", "3 Save as", "4 Reveal in explorer",
                                           "---", "5 Reveal log in explorer",
                                           "# Advanced: All Applications",
                                           "6 Start (greyed)", "7 Prepare to stop (greyed)", "8 Kill (greyed)",
                                           "# Advanced: Torvo Boot",
                                           "9 Start", "10 Stop (greyed)", "11 Restart (greyed)", "12 Reveal in explorer",
                                           "---", "13 Edit system environment variables", "---", "14 Exit" } },
                           Case { true, { "# Torvo Boot Configuration",
                                          "1 Load and restart Torvo Boot", "2 Save and restart Torvo Boot", "3 Save as", "4 Reveal in explorer",
                                          "---", "5 Reveal log in explorer",
                                          "# Advanced: All Applications",
                                          "6 Start", "7 Prepare to stop", "8 Kill",
                                          "# Advanced: Torvo Boot",
                                          "9 Start (greyed)", "10 Stop", "11 Restart", "12 Reveal in explorer",
                                          "---", "13 Edit system environment variables", "---", "14 Exit" } } })
    {
        setServiceRunning (c.running);
        EXPECT_EQ (describeHomeMenu (true), c.expected) << (c.running ? "running" : "stopped");
    }

    EXPECT_EQ (getSystemctlCalls(), "is-active --quiet TorvoBoot|is-active --quiet TorvoBoot");
}

TEST_F (HomeMenu, KillForAllApplicationsSendsCode255AndTheOthersTheirCodesForIndex31)
{
    const ControlSocket service (controlSocket);
    ASSERT_TRUE (service.bound);
    startGui();

    for (const auto& [id, code] : { std::pair (Id::killAllApplications, 255), std::pair (Id::startAllApplications, 223),
                                    std::pair (Id::prepareToStopAllApplications, 191) })
    {
        gui::tav::performHomeMenuAction (id);
        EXPECT_EQ (service.receive(), std::vector<juce::uint8> { (juce::uint8) code }) << "item " << (int) id;
    }
}

TEST_F (HomeMenu, ServiceEntriesStartStopAndRestartThroughTheServiceManagerAndDismissingDoesNothing)
{
    startGui();
    systemctlCalls.deleteFile();

    for (const auto id : { 0, 99, (int) Id::startService, (int) Id::stopService, (int) Id::restartService })
        gui::tav::performHomeMenuAction (id);

    EXPECT_EQ (getSystemctlCalls(), "start TorvoBoot|stop TorvoBoot|stop TorvoBoot|start TorvoBoot");
}

TEST_F (HomeMenu, OpeningTheMenuShowsItBelowTheButtonAndDismissingItPerformsNothing)
{
    startGui();
    auto* titleBar = dynamic_cast<gui::tav::SoftwareVersionMainTitleBar*> (mainView()->getTitleBar());
    auto* home = dynamic_cast<gui::tav::TorvoBootHomeMenuButton*> (titleBar->getLeftPart().getWidget (0));
    ASSERT_NE (home, nullptr);
    systemctlCalls.deleteFile();

    home->mouseDown (makeMouseEvent (*home, { 5.0f, 5.0f }, juce::ModifierKeys (juce::ModifierKeys::rightButtonModifier)));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    EXPECT_EQ (tavviewtest::findMenuWindow(), nullptr) << "a right-click opened the menu";

    home->mouseDown (makeMouseEvent (*home, { 5.0f, 5.0f }));
    ASSERT_TRUE (dispatchUntil ([] { return tavviewtest::findMenuWindow() != nullptr; }));
    EXPECT_TRUE (home->isPopupOpen());
    EXPECT_GE (tavviewtest::findMenuWindow()->getScreenY(), home->getScreenBounds().getBottom() - 1);
    tavviewtest::saveScreenshot (*tavviewtest::findMenuWindow(), "torvo-boot-configurator-home-menu.png");

    juce::PopupMenu::dismissAllActiveMenus();
    ASSERT_TRUE (dispatchUntil ([&] { return ! home->isPopupOpen(); }));
    EXPECT_EQ (getSystemctlCalls(), "is-active --quiet TorvoBoot") << "only the menu's question of the service";
}

TEST_F (HomeMenu, LoadingAFaultyFileChangesNothingAndLeavesTheServiceUntouched)
{
    writeStore ({ "/opt/stored" });
    setServiceRunning (true);
    startGui();
    const auto storedText = store.loadFileAsString();
    const auto faulty = folder.get().getChildFile ("faulty.configuration");
    const auto otherClass = folder.get().getChildFile ("other.configuration");
    ASSERT_TRUE (faulty.replaceWithText ("TorvoBootConfiguration { applications = [ ManagedApplication { enabled = maybe } ] }"));
    ASSERT_TRUE (otherClass.replaceWithText ("ManagedApplication { executablePath = \"/opt/elsewhere\" }"));
    systemctlCalls.deleteFile();
    MessageRecorder recorder;

    for (const auto& file : { faulty, otherClass, folder.get().getChildFile ("missing.configuration") })
    {
        recorder.clear();
        EXPECT_FALSE (gui::tav::loadConfigurationAndRestartService (file)) << file.getFileName();
        EXPECT_EQ (recorder.countErrors(), 1) << file.getFileName();
        EXPECT_TRUE (recorder.getText().contains (file.getFullPathName())) << recorder.getText();
    }

    EXPECT_EQ (getSystemctlCalls(), "") << "the service was touched";
    EXPECT_EQ (store.loadFileAsString(), storedText);
    EXPECT_EQ (pathsOf (configuration()), juce::StringArray ({ "/opt/stored" }));
}

TEST_F (HomeMenu, LoadingAGoodFileShowsItSavesItToTheStoreAndRestartsTheService)
{
    writeStore ({ "/opt/stored" });
    startGui();
    const auto chosen = folder.get().getChildFile ("Saved shows \xc3\xa9t\xc3\xa9.configuration");
    ASSERT_TRUE (tav::ObjectFile::save (*makeConfiguration ({ "/opt/loaded a", "/opt/loaded b" }), chosen, {}).wasOk());
    systemctlCalls.deleteFile();

    EXPECT_TRUE (gui::tav::loadConfigurationAndRestartService (chosen));

    EXPECT_EQ (pathsOf (configuration()), juce::StringArray ({ "/opt/loaded a", "/opt/loaded b" }));
    EXPECT_EQ (readPaths (store), juce::StringArray ({ "/opt/loaded a", "/opt/loaded b" }));
    EXPECT_EQ (getSystemctlCalls(), "stop TorvoBoot|start TorvoBoot");
}

TEST_F (HomeMenu, SaveAsWritesTheChosenFileAndLeavesStoreAndServiceAlone)
{
    writeStore ({ "/opt/stored" });
    startGui();
    configuration().applications.get (0)->executablePath.set ("/opt/edited", tav::ChangeCallback::notify());
    systemctlCalls.deleteFile();
    const auto chosen = folder.get().getChildFile ("copies").getChildFile ("Copy \xc3\xa9.configuration");

    EXPECT_TRUE (gui::tav::saveConfigurationAs (chosen));
    EXPECT_EQ (readPaths (chosen), juce::StringArray ({ "/opt/edited" }));
    EXPECT_EQ (readPaths (store), juce::StringArray ({ "/opt/stored" }));
    EXPECT_EQ (getSystemctlCalls(), "");
}

TEST_F (HomeMenu, RevealLogOpensTheLogFolderEmptyOrNot)
{
    startGui();
    const auto logs = systemHome.getChildFile (".config/Torvo Boot/logs");
    ASSERT_TRUE (logs.createDirectory());

    gui::tav::performHomeMenuAction (Id::revealLog);
    ASSERT_TRUE (waitUntil ([this] { return getShownPath().isNotEmpty(); }, 10000));
    EXPECT_EQ (getShownPath(), logs.getFullPathName());

    shownPaths.deleteFile();
    ASSERT_TRUE (logs.getChildFile ("TorvoBoot.log").replaceWithText ("started"));
    gui::tav::performHomeMenuAction (Id::revealLog);
    ASSERT_TRUE (waitUntil ([this] { return getShownPath().isNotEmpty(); }, 10000));
    EXPECT_EQ (getShownPath(), logs.getFullPathName()) << "the log file's folder (Linux file managers select nothing)";
}

TEST_F (HomeMenu, WithoutAnEnvironmentEditorTheErrorSaysSo)
{
    startGui();
    bin.getChildFile ("xdg-open").deleteFile();
    const ScopedEnvironment onlyFakes ("PATH", bin.getFullPathName());
    MessageRecorder recorder;

    gui::tav::performHomeMenuAction (Id::editEnvironmentVariables);

    EXPECT_EQ (recorder.getLines(), juce::StringArray ({ "Error: No editor of the system environment variables: the desktop's xdg-open was not found on PATH",
                                                         "Error: No such file or directory (2)" }));
}

TEST_F (HomeMenu, WithoutSystemctlTheServiceEntriesFailWithAClearMessageAndTheMenuStillOpens)
{
    startGui();
    bin.getChildFile ("systemctl").deleteFile();
    const ScopedEnvironment onlyFakes ("PATH", bin.getFullPathName());
    MessageRecorder recorder;

    juce::ModifierKeys::currentModifiers = juce::ModifierKeys (juce::ModifierKeys::shiftModifier);
    const auto lines = describeMenu (gui::tav::TorvoBootHomeMenuButton::buildMenu(), true);
    EXPECT_TRUE (lines.contains ("9 Start")) << "a service that cannot be asked counts as stopped";
    gui::tav::performHomeMenuAction (Id::restartService);

    EXPECT_TRUE (recorder.getText().contains ("systemctl was not found on PATH")) << recorder.getText();
}

TEST_F (HomeMenu, AServiceThatIsNotInstalledIsNotStartedAfterItsFailedStopAndSystemdsReasonIsShown)
{
    writeStore ({ "/opt/stored" });
    startGui();
    const ScopedEnvironment notInstalled ("FAKE_SYSTEMCTL_FAIL", juce::String ("Failed to stop TorvoBoot.service: Unit TorvoBoot.service not loaded."));
    systemctlCalls.deleteFile();
    MessageRecorder recorder;

    gui::tav::performHomeMenuAction (Id::saveAndRestart);

    EXPECT_EQ (getSystemctlCalls(), "stop TorvoBoot") << "a failed stop is followed by no start";
    EXPECT_EQ (recorder.getLines(), juce::StringArray ("Error: systemctl stop TorvoBoot failed (exit code 5): "
                                                       "Failed to stop TorvoBoot.service: Unit TorvoBoot.service not loaded."));
    EXPECT_EQ (readPaths (store), juce::StringArray ({ "/opt/stored" })) << "the save went first";
}
