#include <HostStatus.h>
#include <Waiting.h>
#include <gtest/gtest.h>
#include <pixcore/PixcoreLibrary.h>
#include <tavcore/Library.h>
#include <torvocore/ServerInformationPacket.h>
#include <torvocore/ServerInformationReceiver.h>
#include <torvocore/TorvoCoreLibrary.h>

namespace
{

class HostStatusTest : public testing::Test
{
protected:
    void SetUp() override
    {
        static const bool registered = tav::Library::getRootLibrary().addLibrary (graphics::createPixcoreLibrary())
                                       && tav::Library::getRootLibrary().addLibrary (torvo::createTorvoCoreLibrary());
        ASSERT_TRUE (registered);
        ASSERT_TRUE (receiver.start (0).wasOk());
        network.statusPort.set ((juce::uint64) receiver.getPort(), tav::ChangeCallback::none());
    }

    tav::ExecutionContext context;
    torvo::Engine engine;
    HostCommandLine commandLine;
    torvo::TorvoNetConfiguration network;
    torvo::ServerInformationReceiver receiver;
};

//==============================================================================
TEST_F (HostStatusTest, HostileSizesAreCutSoThatTheRecordStillTravels)
{
    const auto longName = juce::String::repeatedString ("n", 10000);
    commandLine.project = juce::File::getCurrentWorkingDirectory().getChildFile (juce::String::repeatedString ("folder/", 1500) + longName + ".torvo");

    std::vector<std::unique_ptr<torvo::Device>> devices;

    for (int i = 0; i < 60; ++i)
    {
        devices.push_back (std::make_unique<torvo::StorageDevice> ("device " + juce::String (i) + " " + longName));
        engine.addDevice (*devices.back());
    }

    HostStatus status (context, engine, commandLine, network, 60.0);
    status.frameDone (nullptr);

    const auto& information = status.getInformation();
    EXPECT_LE (information.projectPath.get().length(), 1024);
    EXPECT_TRUE (information.projectPath.get().endsWith ("/folder"));
    EXPECT_LE (information.projectFile.get().length(), 256);
    EXPECT_LE (information.devices.size(), torvo::ServerInformationPacket::maximumListSize);
    EXPECT_LE (information.devices.get (0)->getFriendlyName().length(), 128);
    EXPECT_EQ (information.videoMemory.toString(), "unknown");

    juce::MemoryBlock datagram;
    EXPECT_TRUE (torvo::ServerInformationPacket::encode (information, datagram).wasOk());
    ASSERT_TRUE (waitUntil ([&] { return receiver.getNumAccepted() == 1; }, 10000)) << receiver.getLastRefusal();

    for (auto& device : devices)
        engine.removeDevice (*device);
}

TEST_F (HostStatusTest, TheComponentIsAnEngineExtensionWhileTheStatusLives)
{
    const auto* componentClass = tav::getClass ("TorvoNetServerEngineComponent");

    {
        HostStatus status (context, engine, commandLine, network, 60.0);
        auto* found = engine.findExtensionByClass (componentClass);
        ASSERT_NE (found, nullptr);
        EXPECT_EQ (found->getVariableByName ("information"), &status.getInformation());
    }

    EXPECT_EQ (engine.findExtensionByClass (componentClass), nullptr);
}

} // namespace

namespace
{

TEST_F (HostStatusTest, FramesPublishOnceAtTheStartAndThenOncePerSecond)
{
    HostStatus status (context, engine, commandLine, network, 60.0);
    const auto start = juce::Time::getMillisecondCounterHiRes();

    // Frames for about 1.4 s: a record with the first frame, one a second later.
    while (juce::Time::getMillisecondCounterHiRes() - start < 1400.0)
    {
        status.frameDone (nullptr);
        juce::Thread::sleep (10);
    }

    ASSERT_TRUE (waitUntil ([&] { return receiver.getNumAccepted() >= 2; }, 10000));

    // Time for any further datagram to arrive.
    juce::Thread::sleep (300);
    EXPECT_EQ (receiver.getNumAccepted(), 2u);
    EXPECT_GT (status.getInformation().frameRate.get(), 0.0);
}

} // namespace
