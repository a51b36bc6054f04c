#include <gtest/gtest.h>
#include "NetConfiguratorUnderTest.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include "Waiting.h"

// The Windows build of TorvoNetConfigurator under Wine, in the Wine
// session's virtual X server: its window, its screenshot kept, and OK.

namespace
{

class NetConfiguratorUnderWine : public testing::Test
{
protected:
    void SetUp() override
    {
        if (! desktop::isAvailable())
            GTEST_SKIP() << "no display";

        ASSERT_TRUE (NetConfiguratorUnderTest::getExecutable().existsAsFile());
    }

    TemporaryFolder folder;
    juce::File file = folder.get().getChildFile ("TorvoNet.configuration");
    ScopedEnvironment configurationVariable { "TORVO_NET_CONFIGURATION", file.getFullPathName() };
    ScopedEnvironment instance { "TORVO_NET_CONFIGURATOR_INSTANCE", "TorvoNetConfigurator-" + folder.get().getFileName() };
};

TEST_F (NetConfiguratorUnderWine, ShowsItsWindowWithTheSavedSettingsAndQuitsOnOk)
{
    ASSERT_TRUE (file.replaceWithText ("TorvoNetConfiguration {\n  machineName = \"Stage Left\"\n  statusPort = 9123\n}\n"));
    const auto saved = file.loadFileAsString();
    NetConfiguratorUnderTest configurator (folder.get().getChildFile ("configurator.txt"));
    ASSERT_TRUE (configurator.isStarted());
    ASSERT_TRUE (configurator.waitForMainWindow()) << configurator.getOutput();

    EXPECT_EQ (desktop::getContentBounds (configurator.getMainWindow()).getWidth(), 800);
    EXPECT_EQ (desktop::getContentBounds (configurator.getMainWindow()).getHeight(), 480);
    juce::Thread::sleep (1000);
    EXPECT_TRUE (configurator.findDialogs().empty()) << "a readable file raises no message";
    keepScreenshot (desktop::capture (configurator.getMainWindow()), "net-configurator-main-window-wine");

    ASSERT_TRUE (configurator.clickOk());
    EXPECT_EQ (configurator.waitForExit (60000), 0) << configurator.getOutput();
    EXPECT_EQ (file.loadFileAsString(), saved) << "nothing changed, nothing written";
}

} // namespace
