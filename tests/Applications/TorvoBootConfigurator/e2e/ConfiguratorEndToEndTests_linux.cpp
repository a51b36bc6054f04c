#include <gtest/gtest.h>
#include "BootConfigurationStore.h"
#include "ConfiguratorUnderTest.h"
#include "FakeBootService_linux.h"
#include "MenuLines.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include "TestPrograms.h"
#include "Waiting.h"

// The real TorvoBootConfigurator in the test's X server, used as an
// administrator would: clicks on its home button and its table's rows,
// entries chosen in the menus that open, Shift held for the secret ones. The
// service is the test's: a systemctl that records what it is asked, and the
// control socket receiving the command bytes.

namespace
{
    constexpr int killAllCode = 128 + 32 * 3 + 31;
    constexpr int killThirdCode = 128 + 32 * 3 + 2;

    juce::File referenceFolder()
    {
        return juce::File (TORVO_E2E_REFERENCES);
    }
}

//==============================================================================
class ConfiguratorEndToEnd : public testing::Test
{
protected:
    void SetUp() override
    {
        if (! desktop::isAvailable())
            GTEST_SKIP() << "no X display (GUI tests run in Xvfb through scripts/run-in-xvfb)";

        if (const auto why = desktop::whyInputIsUnavailable(); why.isNotEmpty())
            GTEST_SKIP() << why;

        ASSERT_TRUE (ConfiguratorUnderTest::getExecutable().existsAsFile());
        // The third application runs, so that its row menu offers to kill it.
        const auto third = programs::copyTestChild (folder.get(), "ThirdApplication");
        thirdRunning = std::make_unique<StoppableProcess> (third, juce::StringArray { "-", "600000", "0" },
                                                           folder.get().getChildFile ("third.txt"), false);
        applications = { { "/opt/torvo/Torvo", "--grade=Main" },
                         { "/opt/torvo/TorvoLauncher", "" },
                         { third.getFullPathName(), "- 600000 0" },
                         { juce::String::fromUTF8 ("${HOME}/Torvo Tools/\xc3\x9c" "berwacher"),
                           juce::String::fromUTF8 ("--name=\"K\xc3\xb6ln 2\"") } };
        ASSERT_TRUE (store::write (storeFile, applications));
    }

    /** Starts the program with the service running or stopped and waits
        for its main window. */
    void start (bool serviceRunning)
    {
        service = std::make_unique<FakeBootService> (folder.get(), serviceRunning);
        ASSERT_TRUE (service->isReady());
        configurator = std::make_unique<ConfiguratorUnderTest> (folder.get().getChildFile ("configurator.txt"));
        ASSERT_TRUE (configurator->isStarted());
        ASSERT_TRUE (configurator->waitForMainWindow()) << configurator->getOutput();
    }

    /** Chooses Exit in the home menu and waits for the program to end. */
    void exitThroughHomeMenu()
    {
        const auto menu = configurator->openMenu (configurator->getHomeButton(), 1, false);
        ASSERT_EQ (menu.lines.size(), menulines::ordinaryHome) << menu.problem;
        ASSERT_TRUE (menu.choose (menulines::exit));
        EXPECT_EQ (configurator->waitForExit (60000), 0) << configurator->getOutput();
    }

    void TearDown() override
    {
        configurator.reset();
    }

    TemporaryFolder folder;
    juce::File storeFile = folder.get().getChildFile ("etc/TorvoBoot.configuration");
    ScopedEnvironment configurationVariable { "TORVO_BOOT_CONFIGURATION", storeFile.getFullPathName() };
    ScopedEnvironment home { "HOME", folder.get().getFullPathName() };
    // An instance of the test's own, which no other test's program finds.
    ScopedEnvironment instance { "TORVO_BOOT_CONFIGURATOR_INSTANCE", "TorvoBootConfigurator-" + folder.get().getFileName() };
    std::vector<store::Application> applications;
    std::unique_ptr<StoppableProcess> thirdRunning;
    std::unique_ptr<FakeBootService> service;
    std::unique_ptr<ConfiguratorUnderTest> configurator;
};

TEST_F (ConfiguratorEndToEnd, HomeMenuSavesTheConfigurationAndRestartsTheService)
{
    start (true);
    const auto menu = configurator->openMenu (configurator->getHomeButton(), 1, false);
    keepScreenshot (menu.picture, "configurator-home-menu");
    ASSERT_EQ (menu.lines.size(), menulines::ordinaryHome) << menu.problem << "see configurator-home-menu.png";

    ASSERT_TRUE (menu.choose (menulines::saveAndRestart));
    EXPECT_TRUE (service->waitForControlCalls ("stop TorvoBoot|start TorvoBoot")) << service->getControlCalls();
    EXPECT_TRUE (store::wasSavedWith (storeFile, applications)) << storeFile.loadFileAsString();
    EXPECT_TRUE (service->isRunning());
    EXPECT_TRUE (desktop::waitUntilGone ("^menu$"));
}

TEST_F (ConfiguratorEndToEnd, SecretHomeMenuKillsAllApplications)
{
    start (true);
    const auto menu = configurator->openMenu (configurator->getHomeButton(), 1, true);
    keepScreenshot (menu.picture, "configurator-home-menu-secret");
    ASSERT_EQ (menu.lines.size(), menulines::secretHome) << menu.problem << "see configurator-home-menu-secret.png";

    ASSERT_TRUE (menu.choose (menulines::secretAllApplicationsKill));
    EXPECT_EQ (service->waitForCommandByte(), killAllCode);
    EXPECT_TRUE (service->takeReceivedBytes().empty());
    EXPECT_EQ (service->getControlCalls(), "") << "the service itself is left alone";
}

TEST_F (ConfiguratorEndToEnd, ThirdRowMenuKillsTheThirdApplication)
{
    start (true);
    const auto menu = configurator->openMenu (configurator->getTableRow (2), 3, true);
    keepScreenshot (menu.picture, "configurator-row-menu");
    ASSERT_EQ (menu.lines.size(), menulines::secretRow) << menu.problem << "see configurator-row-menu.png";

    ASSERT_TRUE (menu.choose (menulines::rowKill));
    EXPECT_EQ (service->waitForCommandByte(), killThirdCode);
    EXPECT_TRUE (service->takeReceivedBytes().empty());
}

TEST_F (ConfiguratorEndToEnd, MainWindowLooksAsKept)
{
    start (false);
    const auto bounds = configurator->getMainWindowBounds();
    EXPECT_EQ (bounds, juce::Rectangle<int> (960, 460).withCentre ({ 640, 400 })) << "960 by 460, centred on the 1280 by 800 screen";

    const auto shot = configurator->captureMainWindow();
    keepScreenshot (shot, "configurator-main-window");
    const auto reference = screenshots::load (referenceFolder().getChildFile ("configurator-main-window.png"));
    ASSERT_TRUE (reference.isValid()) << "no reference: configurator-main-window.png of the artefacts is the picture to keep";

    const auto difference = screenshots::compare (shot, reference);
    if (! screenshots::isWithin (difference, 1.0, 0.001))
        keepScreenshot (difference.diff, "configurator-main-window-diff");

    EXPECT_TRUE (screenshots::isWithin (difference, 1.0, 0.001))
        << "mean difference " << difference.meanAbsoluteDifference << ", differing share " << difference.differingShare
        << " (see configurator-main-window-diff.png)";
}

TEST_F (ConfiguratorEndToEnd, SecondStartBringsTheFirstWindowToTheFrontAndEnds)
{
    start (false);
    // Another window covers it and takes the keyboard.
    const desktop::CoveringWindow cover (configurator->getMainWindowBounds().expanded (10));
    ASSERT_EQ (desktop::getFocusedWindow(), cover.getId());
    desktop::FrontRequests frontRequests;

    ConfiguratorUnderTest second (folder.get().getChildFile ("second.txt"));
    ASSERT_TRUE (second.isStarted());
    EXPECT_EQ (second.waitForExit (60000), 0) << second.getOutput();

    EXPECT_TRUE (frontRequests.waitFor (configurator->getMainWindow())) << "the first window never asked to come to the front";
    EXPECT_TRUE (waitUntil ([&] { return desktop::getFocusedWindow() == configurator->getMainWindow(); }, 30000, 50))
        << "the first window did not take the keyboard";
    EXPECT_EQ (desktop::findWindows (ConfiguratorUnderTest::getMainWindowTitlePattern()).size(), 1u);
    EXPECT_EQ (configurator->waitForExit (0), -1) << "the first instance runs on";
}

TEST_F (ConfiguratorEndToEnd, ExitSavesTheConfigurationAndRestartsARunningService)
{
    start (true);
    ASSERT_NO_FATAL_FAILURE (exitThroughHomeMenu());
    EXPECT_TRUE (store::wasSavedWith (storeFile, applications)) << storeFile.loadFileAsString();
    EXPECT_EQ (service->getControlCalls(), "stop TorvoBoot|start TorvoBoot");
}

TEST_F (ConfiguratorEndToEnd, ExitWithTheServiceStoppedOnlySaves)
{
    start (false);
    ASSERT_NO_FATAL_FAILURE (exitThroughHomeMenu());
    EXPECT_TRUE (store::wasSavedWith (storeFile, applications)) << storeFile.loadFileAsString();
    EXPECT_EQ (service->getControlCalls(), "");
    EXPECT_FALSE (service->isRunning());
}
