#include <gtest/gtest.h>
#include "LauncherRunning.h"
#include "NetConfiguratorUnderTest.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include "TestPrograms.h"
#include "Waiting.h"

#include <torvocore/TorvoNetConfiguration.h>

// The real TorvoNetConfigurator in the test's X server, used as a person
// would: clicks into its settings, keys typed, its OK button, the answers to
// its question; then the real host and launcher started over the file it
// saved.

using launchertest::findUnusedDatagramPort;
using launchertest::RunningLauncher;

namespace
{
    constexpr int machineNameLine = 0, statusPortLine = 2;

    juce::File referenceFolder()
    {
        return juce::File (TORVO_E2E_REFERENCES);
    }

    /** Answers a question with a key once its dialog has the keyboard: a
        dialog is painted before it takes the focus, and a key pressed in
        between goes to the main window. */
    bool answer (desktop::WindowId dialog, const juce::String& key)
    {
        return waitUntil ([&] { return desktop::getFocusedWindow() == dialog; }, 30000, 50) && desktop::pressKey (key);
    }
}

//==============================================================================
class NetConfiguratorEndToEnd : public testing::Test
{
protected:
    void SetUp() override
    {
        if (! desktop::isAvailable())
            GTEST_SKIP() << "no X display (GUI tests run in Xvfb through scripts/run-in-xvfb)";

        if (const auto why = desktop::whyInputIsUnavailable(); why.isNotEmpty())
            GTEST_SKIP() << why;

        ASSERT_TRUE (NetConfiguratorUnderTest::getExecutable().existsAsFile());
    }

    void start()
    {
        configurator = std::make_unique<NetConfiguratorUnderTest> (folder.get().getChildFile ("configurator.txt"));
        ASSERT_TRUE (configurator->isStarted());
        ASSERT_TRUE (configurator->waitForMainWindow()) << configurator->getOutput();
    }

    void TearDown() override
    {
        configurator.reset();
    }

    TemporaryFolder folder;
    juce::File file = folder.get().getChildFile ("etc/TorvoNet.configuration");
    ScopedEnvironment configurationVariable { "TORVO_NET_CONFIGURATION", file.getFullPathName() };
    // An instance of the test's own, which no other test's program finds.
    ScopedEnvironment instance { "TORVO_NET_CONFIGURATOR_INSTANCE", "TorvoNetConfigurator-" + folder.get().getFileName() };
    std::unique_ptr<NetConfiguratorUnderTest> configurator;
};

TEST_F (NetConfiguratorEndToEnd, WithoutAFileTheWindowOpensCentredWithTheDefaultsAndNoMessage)
{
    start();
    EXPECT_EQ (configurator->getMainWindowBounds(), juce::Rectangle<int> (800, 480).withCentre ({ 640, 400 }))
        << "800 by 480, centred on the 1280 by 800 screen";
    juce::Thread::sleep (1000);
    EXPECT_TRUE (configurator->findDialogs().empty()) << "no message without a file";

    const auto shot = desktop::capture (configurator->getMainWindow());
    keepScreenshot (shot, "net-configurator-main-window");
    const auto reference = screenshots::load (referenceFolder().getChildFile ("net-configurator-main-window.png"));
    ASSERT_TRUE (reference.isValid()) << "no reference: net-configurator-main-window.png of the artefacts is the picture to keep";

    const auto difference = screenshots::compare (shot, reference);
    if (! screenshots::isWithin (difference, 1.0, 0.001))
        keepScreenshot (difference.diff, "net-configurator-main-window-diff");

    EXPECT_TRUE (screenshots::isWithin (difference, 1.0, 0.001))
        << "mean difference " << difference.meanAbsoluteDifference << ", differing share " << difference.differingShare
        << " (see net-configurator-main-window-diff.png)";

    // Quitting an untouched configuration writes nothing.
    ASSERT_TRUE (configurator->clickOk());
    EXPECT_EQ (configurator->waitForExit (60000), 0) << configurator->getOutput();
    EXPECT_FALSE (file.exists());
}

TEST_F (NetConfiguratorEndToEnd, AnEditInTheWindowMovesTheHostAndTheLauncherToTheNewPortAtTheirNextStart)
{
    const auto port = findUnusedDatagramPort();
    start();
    ASSERT_TRUE (configurator->typeIntoSetting (machineNameLine, "Stage Left"));
    ASSERT_TRUE (configurator->typeIntoSetting (statusPortLine, juce::String (port)));
    keepScreenshot (desktop::capture (configurator->getMainWindow()), "net-configurator-edited");

    // A save that succeeds asks nothing: OK quits at once.
    ASSERT_TRUE (configurator->clickOk());
    EXPECT_EQ (configurator->waitForExit (60000), 0) << configurator->getOutput();
    EXPECT_TRUE (file.loadFileAsString().contains ("statusPort = " + juce::String (port))) << file.loadFileAsString();

    // Both read the file at their start and meet on the port it names.
    const ScopedEnvironment grading ("AMBREL_PORT", juce::String (findUnusedDatagramPort()));
    RunningLauncher launcher (programs::find ("TorvoLauncher"), { TORVO_LAUNCHER_STANDIN_PLUGIN });
    ASSERT_TRUE (launcher.waitForConsole ("Listening for Torvo's status on 127.0.0.1 port " + juce::String (port)))
        << launcher.getConsole();
    RunningLauncher host (programs::find ("Torvo"), { TORVO_HOST_STANDIN_PLUGIN });
    ASSERT_TRUE (host.waitForConsole ("Publishing the status once per second to 127.0.0.1 port " + juce::String (port)))
        << host.getConsole();
    EXPECT_TRUE (host.getConsole().contains ("Machine name: Stage Left")) << host.getConsole();
    EXPECT_TRUE (launcher.waitForConsole ("StandInLauncherComponent: server running")) << launcher.getConsole();

    EXPECT_EQ (host.interrupt(), 0) << host.getConsole();
    EXPECT_EQ (launcher.interrupt(), 0) << launcher.getConsole();
}

TEST_F (NetConfiguratorEndToEnd, AFileThatCannotBeReadShowsTheErrorOnceAndTheEditorOpens)
{
    ASSERT_TRUE (file.getParentDirectory().createDirectory());
    ASSERT_TRUE (file.replaceWithText ("TorvoBootConfiguration { applications = [] }\n"));
    start();

    const auto dialog = configurator->waitForDialogs (1);
    ASSERT_NE (dialog, 0u) << configurator->getOutput();
    keepScreenshot (desktop::capture (dialog), "net-configurator-unreadable-file");
    keepScreenshot (desktop::capture (configurator->getMainWindow()), "net-configurator-unreadable-file-window");
    juce::Thread::sleep (1500);
    EXPECT_EQ (configurator->findDialogs().size(), 1u) << "the error is shown once";
    EXPECT_TRUE (looksPainted (configurator->getMainWindow())) << "the editor opens anyway";
}

TEST_F (NetConfiguratorEndToEnd, AFailedSaveAsksAtQuitNoKeepsTheWindowAndYesQuits)
{
    // A file standing where the configuration's folder should be.
    ASSERT_TRUE (folder.get().getChildFile ("etc").replaceWithText ("x"));
    start();
    ASSERT_TRUE (configurator->typeIntoSetting (statusPortLine, "9123"));

    ASSERT_TRUE (configurator->clickOk());
    const auto question = configurator->waitForDialogs (1);
    ASSERT_NE (question, 0u) << configurator->getOutput();
    keepScreenshot (desktop::capture (question), "net-configurator-save-failed-question");

    // No: the question goes, the window stays with the edit.
    ASSERT_TRUE (answer (question, "Escape")) << "the question never took the keyboard";
    EXPECT_TRUE (waitUntil ([&] { return configurator->findDialogs().empty(); }, 30000, 50));
    EXPECT_EQ (configurator->waitForExit (1000), -1) << "the program runs on";
    EXPECT_FALSE (desktop::getBounds (configurator->getMainWindow()).isEmpty());
    keepScreenshot (desktop::capture (configurator->getMainWindow()), "net-configurator-after-no");

    // Asked again, Yes quits.
    ASSERT_TRUE (configurator->clickOk());
    const auto again = configurator->waitForDialogs (1);
    ASSERT_NE (again, 0u) << configurator->getOutput();
    ASSERT_TRUE (answer (again, "Return")) << "the question never took the keyboard";
    EXPECT_EQ (configurator->waitForExit (60000), 0) << configurator->getOutput();
}

TEST_F (NetConfiguratorEndToEnd, ASecondStartBringsTheFirstWindowToTheFrontAndEnds)
{
    start();
    // Another window covers it and takes the keyboard.
    const desktop::CoveringWindow cover (configurator->getMainWindowBounds().expanded (10));
    ASSERT_EQ (desktop::getFocusedWindow(), cover.getId());
    desktop::FrontRequests frontRequests;

    NetConfiguratorUnderTest second (folder.get().getChildFile ("second.txt"));
    ASSERT_TRUE (second.isStarted());
    EXPECT_EQ (second.waitForExit (60000), 0) << second.getOutput();

    EXPECT_TRUE (frontRequests.waitFor (configurator->getMainWindow())) << "the first window never asked to come to the front";
    EXPECT_TRUE (waitUntil ([&] { return desktop::getFocusedWindow() == configurator->getMainWindow(); }, 30000, 50))
        << "the first window did not take the keyboard";
    EXPECT_EQ (configurator->waitForExit (0), -1) << "the first instance runs on";
}
