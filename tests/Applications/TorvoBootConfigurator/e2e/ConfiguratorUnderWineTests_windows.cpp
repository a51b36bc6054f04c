#include <gtest/gtest.h>
#include "BootConfigurationStore.h"
#include "ConfiguratorUnderTest.h"
#include "MenuLines.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include "TestProcesses.h"
#include "TestPrograms.h"
#include "Waiting.h"

#include <algorithm>

// The Windows build of TorvoBootConfigurator under Wine, in the Wine
// session's virtual X server, beside TorvoBoot installed as a real service of
// Wine's service control manager in the tests' private prefix: the program is
// clicked as a person would, its kill reaches the service as a control code
// through the service control manager, and its exit restarts the service.

namespace
{
    juce::File getServiceLog()
    {
        // The service runs under the same Wine user, so its data folder is ours.
        return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory).getChildFile ("Torvo Boot/logs/TorvoBoot.log");
    }

    juce::File getMachineConfiguration()
    {
        return juce::File::getSpecialLocation (juce::File::commonApplicationDataDirectory).getChildFile ("Torvo/TorvoBoot.configuration");
    }

    /** Waits (bounded) until that many lines of the service's log hold the text. */
    bool waitForLogCount (const juce::String& text, int count, int timeoutMs = 60000)
    {
        return waitUntil ([&]
                          {
                              const auto lines = juce::StringArray::fromLines (getServiceLog().loadFileAsString());
                              return std::count_if (lines.begin(), lines.end(), [&] (const auto& line) { return line.contains (text); }) >= count;
                          },
                          timeoutMs, 100);
    }

    constexpr auto serviceStarted = "Interactive user already logged on at service start";
}

//==============================================================================
class ConfiguratorUnderWine : public testing::Test
{
protected:
    void SetUp() override
    {
        if (! desktop::isAvailable())
            GTEST_SKIP() << "no display";

        ASSERT_TRUE (ConfiguratorUnderTest::getExecutable().existsAsFile());
        programs::killAllOf (third);
        // The service launches the third application; the first two have no
        // program, which the service skips.
        applications = { { "", "--grade=Main" }, { "", "" }, { third.getFullPathName(), "- 600000 0" } };
        ASSERT_TRUE (store::write (getMachineConfiguration(), applications));
        getServiceLog().deleteFile();

        // A run that was killed (a test's time limit) leaves its service
        // installed in the prefix, where installing again would fail.
        programs::run ("TorvoBoot", { "-u" });
        const auto installed = programs::run ("TorvoBoot", { "-i" });
        ASSERT_EQ (installed.exitCode, 0) << installed.output;
        const auto started = programs::runSystemProgram ("net start TorvoBoot");
        ASSERT_EQ (started.exitCode, 0) << started.output;
        ASSERT_TRUE (waitForLogCount ("Launched " + third.getFullPathName(), 1)) << getServiceLog().loadFileAsString();
    }

    void TearDown() override
    {
        configurator.reset();
        programs::run ("TorvoBoot", { "-u" });
        programs::killAllOf (third);
        getMachineConfiguration().deleteFile();
    }

    TemporaryFolder folder;
    // An instance of the test's own, which no other test's program finds.
    ScopedEnvironment instance { "TORVO_BOOT_CONFIGURATOR_INSTANCE", "TorvoBootConfigurator-" + folder.get().getFileName() };
    juce::File third = programs::copyTestChild (folder.get(), "ThirdApplication");
    std::vector<store::Application> applications;
    std::unique_ptr<ConfiguratorUnderTest> configurator;
};

TEST_F (ConfiguratorUnderWine, ShowsItsWindowKillsTheThirdApplicationAndRestartsTheServiceOnExit)
{
    configurator = std::make_unique<ConfiguratorUnderTest> (folder.get().getChildFile ("configurator.txt"));
    ASSERT_TRUE (configurator->isStarted());
    ASSERT_TRUE (configurator->waitForMainWindow()) << configurator->getOutput();
    keepScreenshot (configurator->captureMainWindow(), "configurator-main-window-wine");

    // The third row's kill travels as control code 226 through the service
    // control manager; the service kills that application only.
    const auto rowMenu = configurator->openMenu (configurator->getTableRow (2), 3, true);
    keepScreenshot (rowMenu.picture, "configurator-row-menu-wine");
    ASSERT_EQ (rowMenu.lines.size(), menulines::secretRow) << rowMenu.problem << "see configurator-row-menu-wine.png";
    ASSERT_TRUE (rowMenu.choose (menulines::rowKill));
    EXPECT_TRUE (waitForLogCount (third.getFullPathName() + " (pid=", 2)) << getServiceLog().loadFileAsString();
    EXPECT_TRUE (waitUntil ([&] { return programs::findAllOf (third).empty(); }, 30000, 100));
    EXPECT_TRUE (getServiceLog().loadFileAsString().contains (") killed")) << getServiceLog().loadFileAsString();

    // Exit saves the machine's configuration and restarts the service, which
    // reads the saved file and launches the third application again.
    const auto homeMenu = configurator->openMenu (configurator->getHomeButton(), 1, false);
    ASSERT_EQ (homeMenu.lines.size(), menulines::ordinaryHome) << homeMenu.problem;
    ASSERT_TRUE (homeMenu.choose (menulines::exit));
    EXPECT_EQ (configurator->waitForExit (60000), 0) << configurator->getOutput();
    EXPECT_TRUE (store::wasSavedWith (getMachineConfiguration(), applications)) << getMachineConfiguration().loadFileAsString();
    EXPECT_TRUE (waitForLogCount (serviceStarted, 2)) << getServiceLog().loadFileAsString();
    EXPECT_TRUE (waitForLogCount ("Launched " + third.getFullPathName(), 2)) << getServiceLog().loadFileAsString();
}
