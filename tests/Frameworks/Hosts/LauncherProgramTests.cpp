#include "HostRunning.h"
#include "LauncherRunning.h"
#include <ScopedEnvironment.h>
#include <TemporaryFolder.h>
#include <TestPrograms.h>
#include <gtest/gtest.h>
#include <tavcore/Library.h>
#include <torvocore/TorvoCoreLibrary.h>

using namespace launchertest;

namespace
{
    const juce::String component = "StandInLauncherComponent: ";

    juce::File standInPlugin()      { return juce::File (TORVO_LAUNCHER_STANDIN_PLUGIN); }
    juce::File hostOnlyPlugin()     { return juce::File (TORVO_HOST_STANDIN_PLUGIN); }

    /** The launcher's console from the first occurrence of text on. */
    juce::String after (const juce::String& console, const juce::String& text)
    {
        return console.fromFirstOccurrenceOf (text, true, false);
    }

    class LauncherProgram : public testing::Test
    {
    protected:
        // The records the publisher encodes are the host library's objects.
        void SetUp() override       { tav::Library::getRootLibrary().addLibrary (torvo::createTorvoCoreLibrary()); }
        void TearDown() override    { tav::Library::getRootLibrary().removeLibrary ("TorvoCore"); }

        const int port = findUnusedDatagramPort();
        const juce::String portOption = "--status-port=" + juce::String (port);
    };
}

TEST_F (LauncherProgram, ComponentsFollowTheHostsStatusUntilItStopsAndAgainWhenItComesBack)
{
    RunningLauncher launcher (programs::find ("TorvoLauncher"), { portOption, standInPlugin().getFullPathName() });
    ASSERT_TRUE (launcher.waitForConsole (component + "startDisplay")) << launcher.getConsole();
    ASSERT_TRUE (launcher.waitForConsole (component + "refreshInformation")) << launcher.getConsole();
    EXPECT_TRUE (launcher.waitForConsole (component + "server not running")) << launcher.getConsole();

    auto publisher = std::make_unique<StatusPublisher> (port, 3ull << 30);
    const auto firstMemory = publisher->getMemoryText();
    ASSERT_TRUE (launcher.waitForConsole (component + "information " + firstMemory)) << launcher.getConsole();
    ASSERT_TRUE (launcher.waitForConsole (component + "server running")) << launcher.getConsole();

    // The host goes: its last record ages until it counts as stopped, and
    // not before the 3 s the components allow it.
    publisher->stop();
    const auto stopped = juce::Time::getMillisecondCounterHiRes();
    ASSERT_TRUE (launcher.waitForOccurrences (component + "server not running", 2)) << launcher.getConsole();
    EXPECT_GE (juce::Time::getMillisecondCounterHiRes() - stopped, 2500.0);

    // It comes back with other figures.
    publisher = std::make_unique<StatusPublisher> (port, 5ull << 30);
    ASSERT_TRUE (launcher.waitForConsole (component + "information " + publisher->getMemoryText())) << launcher.getConsole();
    ASSERT_TRUE (launcher.waitForOccurrences (component + "server running", 2)) << launcher.getConsole();
    publisher.reset();

    EXPECT_EQ (launcher.interrupt(), 0) << launcher.getConsole();
    const auto console = launcher.getConsole();
    EXPECT_TRUE (after (after (after (console, component + "stopDisplay"), component + "destroyed"), "TorvoLauncher stopped")
                     .isNotEmpty()) << console;
    EXPECT_EQ (countOccurrences (console, component + "stopDisplay"), 1) << console;
}

TEST_F (LauncherProgram, ALibraryWithoutTheLauncherEntryPointIsSkippedWithAMessage)
{
    RunningLauncher launcher (programs::find ("TorvoLauncher"),
                              { portOption, hostOnlyPlugin().getFullPathName(), standInPlugin().getFullPathName() });
    ASSERT_TRUE (launcher.waitForConsole (component + "startDisplay")) << launcher.getConsole();

    const auto console = launcher.getConsole();
    // A Windows host plug-in is told by the program it imports from, before
    // anything of it is loaded; elsewhere by its missing entry point.
    const auto skipped = "Skipped " + hostOnlyPlugin().getFullPathName() + ": ";
    EXPECT_TRUE (console.contains (skipped + "no entry point createLauncherPlugin")
                 || console.contains (skipped + "it is linked against Torvo.exe and runs only inside that program")) << console;
    EXPECT_TRUE (console.contains ("Loaded launcher plug-in StandInLauncher")) << console;
    EXPECT_EQ (countOccurrences (console, component + "created"), 1) << console;
    EXPECT_EQ (launcher.interrupt(), 0) << launcher.getConsole();
}

TEST_F (LauncherProgram, ALauncherWithoutPluginsRunsAndSaysSo)
{
    // A copy of the launcher whose plug-in folder is empty.
    TemporaryFolder folder;
    const auto bin = folder.get().getChildFile ("bin");
    bin.createDirectory();
    folder.get().getChildFile ("plugins").createDirectory();
    const auto copy = programs::copyProgram ("TorvoLauncher", bin);
    ASSERT_TRUE (copy.existsAsFile());

    RunningLauncher launcher (copy, { portOption });
    ASSERT_TRUE (launcher.waitForConsole ("No launcher components")) << launcher.getConsole();
    EXPECT_TRUE (launcher.getConsole().contains ("No plug-ins in " + folder.get().getChildFile ("plugins").getFullPathName()))
        << launcher.getConsole();
    EXPECT_EQ (launcher.interrupt(), 0) << launcher.getConsole();
}

TEST_F (LauncherProgram, AnUnusablePortEndsTheLauncherWithItsUsage)
{
    for (auto* option : { "--status-port=0", "--status-port=65536", "--status-port=80x", "--status-port", "--status-port=" })
    {
        RunningLauncher launcher (programs::find ("TorvoLauncher"), { option, standInPlugin().getFullPathName() });
        EXPECT_EQ (launcher.waitForExit(), 1) << option;
        EXPECT_TRUE (launcher.getConsole().contains ("Option --status-port needs a port from 1 to 65535")) << launcher.getConsole();
        EXPECT_FALSE (launcher.getConsole().contains (component)) << launcher.getConsole();
    }
}

TEST_F (LauncherProgram, ListensWhereTheNetworkConfigurationSaysAndOnTheDefaultsWhenItCannotBeRead)
{
    const TemporaryFolder folder;
    const auto file = folder.get().getChildFile ("TorvoNet.configuration");
    const ScopedEnvironment location ("TORVO_NET_CONFIGURATION", file.getFullPathName());

    ASSERT_TRUE (file.replaceWithText ("TorvoNetConfiguration {\n  statusPort = " + juce::String (port) + "\n}\n"));
    {
        RunningLauncher launcher (programs::find ("TorvoLauncher"), { standInPlugin().getFullPathName() });
        ASSERT_TRUE (launcher.waitForConsole ("Listening for Torvo's status on 127.0.0.1 port " + juce::String (port))) << launcher.getConsole();
        StatusPublisher publisher (port, 3ull << 30);
        EXPECT_TRUE (launcher.waitForConsole (component + "information " + publisher.getMemoryText())) << launcher.getConsole();
        EXPECT_EQ (launcher.interrupt(), 0) << launcher.getConsole();
    }

    // A file of another class is not used; the option still chooses the port.
    ASSERT_TRUE (file.replaceWithText ("TorvoBootConfiguration { applications = [] }\n"));
    RunningLauncher launcher (programs::find ("TorvoLauncher"), { portOption, standInPlugin().getFullPathName() });
    ASSERT_TRUE (launcher.waitForConsole ("Listening for Torvo's status on 127.0.0.1 port " + juce::String (port))) << launcher.getConsole();
    EXPECT_TRUE (launcher.getConsole().contains ("The network configuration is not used, the defaults are: " + file.getFullPathName()
                                                 + ":1:1: the file holds a TorvoBootConfiguration, not a TorvoNetConfiguration"))
        << launcher.getConsole();
    EXPECT_EQ (launcher.interrupt(), 0) << launcher.getConsole();
}

TEST_F (LauncherProgram, TheRealHostsStatusReachesTheComponentsAndTheirPanelSeesItGoAndComeBack)
{
    RunningLauncher launcher (programs::find ("TorvoLauncher"), { portOption, standInPlugin().getFullPathName() });
    ASSERT_TRUE (launcher.waitForConsole (component + "server not running")) << launcher.getConsole();

    const juce::StringArray hostArguments { hostOnlyPlugin().getFullPathName(), portOption };
    auto host = std::make_unique<hosttest::RunningHost> (hostArguments);
    ASSERT_TRUE (launcher.waitForConsole (component + "server running")) << launcher.getConsole() << host->getConsole();

    // The host's own memory figures, "used / total".
    const auto memoryLine = after (launcher.getConsole(), component + "information ").upToFirstOccurrenceOf ("\n", false, false);
    EXPECT_TRUE (memoryLine.contains (" / ")) << launcher.getConsole();

    EXPECT_EQ (host->stop(), 0) << host->getConsole();
    host.reset();
    ASSERT_TRUE (launcher.waitForOccurrences (component + "server not running", 2)) << launcher.getConsole();

    host = std::make_unique<hosttest::RunningHost> (hostArguments);
    ASSERT_TRUE (launcher.waitForOccurrences (component + "server running", 2)) << launcher.getConsole() << host->getConsole();
    EXPECT_EQ (host->stop(), 0) << host->getConsole();
    EXPECT_EQ (launcher.interrupt(), 0) << launcher.getConsole();
}
