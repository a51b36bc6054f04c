#include "HostRunning.h"
#include <ScopedEnvironment.h>
#include <TemporaryFolder.h>
#include <Waiting.h>
#include <gtest/gtest.h>
#include <pixcore/PixcoreLibrary.h>
#include <tavcore/Library.h>
#include <torvocore/ServerInformationReceiver.h>
#include <torvocore/TorvoCoreLibrary.h>

namespace
{

const juce::String standInPlugin = TORVO_HOST_STANDIN_PLUGIN;

class HostStatusPublishing : public testing::Test
{
protected:
    void SetUp() override
    {
        // The receiver decodes into the host's classes, registered here as the launcher does.
        static const bool registered = tav::Library::getRootLibrary().addLibrary (graphics::createPixcoreLibrary())
                                       && tav::Library::getRootLibrary().addLibrary (torvo::createTorvoCoreLibrary());
        ASSERT_TRUE (registered);
        const auto started = receiver.start (0);
        ASSERT_TRUE (started.wasOk()) << started.getErrorMessage();
    }

    juce::String statusPortOption() const    { return "--status-port=" + juce::String (receiver.getPort()); }

    torvo::ServerInformationReceiver receiver;
};

bool listsDevice (const torvo::TorvoServerInformation& information, const juce::String& className, const juce::String& name)
{
    for (size_t i = 0; i < information.devices.size(); ++i)
        if (information.devices.get (i)->deviceClass.get() == className && information.devices.get (i)->getFriendlyName() == name)
            return true;

    return false;
}

//==============================================================================
TEST_F (HostStatusPublishing, TheLauncherReceivesTheHostsRecordEverySecondWithThisMachinesFigures)
{
    const TemporaryFolder folder;
    const auto project = folder.get().getChildFile ("Shows").getChildFile ("Finale.torvo");
    hosttest::RunningHost host ({ standInPlugin, statusPortOption(), "--on-air", "--output-state=2",
                                  "--project=" + project.getFullPathName() });

    // The first record goes out with the first frame, the next ones a second apart.
    ASSERT_TRUE (waitUntil ([&] { return receiver.getNumAccepted() >= 3; }, 60000, 20))
        << receiver.getLastRefusal() << "\n" << host.getConsole();

    torvo::TorvoServerInformation information;
    juce::int64 arrival = 0;
    ASSERT_TRUE (receiver.getLatest (information, arrival));
    EXPECT_EQ (receiver.getNumRefused(), 0u) << receiver.getLastRefusal();

    EXPECT_TRUE (information.systemMemory.toString().contains (" / ")) << information.systemMemory.toString();
    EXPECT_GT (information.systemMemory.total.get(), information.systemMemory.used.get());
    EXPECT_TRUE (information.videoMemory.toString().isNotEmpty());
    ASSERT_GT (information.networkAdapters.size(), 0u) << "not even a loopback adapter";

    for (size_t i = 0; i < information.networkAdapters.size(); ++i)
        EXPECT_TRUE (information.networkAdapters.get (i)->name.get().isNotEmpty());

    EXPECT_GT (information.frameRate.get(), 0.0);
    EXPECT_GT (information.frameRatePercent.get(), 0.0);
    EXPECT_TRUE (information.headerText.get().startsWith ("Torvo on "));
    EXPECT_TRUE (information.onAir.get());
    EXPECT_FALSE (information.greenLight.get());
    EXPECT_EQ (information.outputState.get(), 2);
    EXPECT_TRUE (information.projectPath.get().endsWith ("/Shows")) << information.projectPath.get();
    EXPECT_FALSE (information.projectPath.get().containsChar ('\\'));
    EXPECT_EQ (information.projectFile.toString(), "Finale.torvo");
    EXPECT_TRUE (listsDevice (information, "StandInDevice", "Ambrel"));

    EXPECT_EQ (host.stop(), 0);

    // A stopped host publishes nothing more.
    const auto received = receiver.getNumAccepted();
    juce::Thread::sleep (1500);
    EXPECT_EQ (receiver.getNumAccepted(), received);
}

TEST_F (HostStatusPublishing, TheNetworkConfigurationNamesTheMachineAndThePortUnlessTheCommandLineSaysOtherwise)
{
    const TemporaryFolder folder;
    const auto file = folder.get().getChildFile ("TorvoNet.configuration");
    const ScopedEnvironment location ("TORVO_NET_CONFIGURATION", file.getFullPathName());
    const auto port = juce::String (receiver.getPort());

    struct Case { juce::String settings; juce::StringArray options; const char* console; };

    for (const auto& c : { Case { "statusPort = " + port, {}, "" },
                           // A refused port keeps the default, which the option then overrides.
                           Case { "statusPort = 70000", { statusPortOption() }, "the setting statusPort = 70000 is refused" } })
    {
        ASSERT_TRUE (file.replaceWithText ("TorvoNetConfiguration {\n  machineName = \"Stage Left\"\n  " + c.settings + "\n}\n"));
        const auto before = receiver.getNumAccepted();
        auto arguments = c.options;
        arguments.add (standInPlugin);
        hosttest::RunningHost host (arguments);

        ASSERT_TRUE (waitUntil ([&] { return receiver.getNumAccepted() > before; }, 60000, 20)) << host.getConsole();
        torvo::TorvoServerInformation information;
        juce::int64 arrival = 0;
        ASSERT_TRUE (receiver.getLatest (information, arrival));
        EXPECT_EQ (information.headerText.get(), "Torvo on Stage Left");
        EXPECT_TRUE (host.getConsole().contains ("Machine name: Stage Left")) << host.getConsole();
        EXPECT_TRUE (host.getConsole().contains ("Publishing the status once per second to 127.0.0.1 port " + port)) << host.getConsole();
        EXPECT_TRUE (host.getConsole().contains (c.console)) << host.getConsole();
        EXPECT_EQ (host.stop(), 0);
    }
}

} // namespace
