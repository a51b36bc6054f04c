#include "ServerInformationSamples.h"
#include "TorvoCoreTestClasses.h"
#include <Waiting.h>
#include <torvocore/ServerInformationPacket.h>
#include <torvocore/ServerInformationReceiver.h>

namespace
{

using torvo::ServerInformationPacket;

class ServerInformationReceiverTest : public testing::Test
{
protected:
    void SetUp() override
    {
        torvotest::registerTestClassesOnce();
        const auto started = receiver.start (0);
        ASSERT_TRUE (started.wasOk()) << started.getErrorMessage();
        ASSERT_GT (receiver.getPort(), 0);
    }

    void send (const void* data, size_t size)
    {
        juce::DatagramSocket sender;
        ASSERT_EQ (sender.write ("127.0.0.1", receiver.getPort(), data, (int) size), (int) size);
    }

    void sendRecord (const torvo::TorvoServerInformation& information)
    {
        juce::MemoryBlock datagram;
        ASSERT_TRUE (ServerInformationPacket::encode (information, datagram).wasOk());
        send (datagram.getData(), datagram.getSize());
    }

    torvo::ServerInformationReceiver receiver;
};

//==============================================================================
TEST_F (ServerInformationReceiverTest, KeepsTheLastRecordAndWhenItArrived)
{
    torvo::TorvoServerInformation information;
    juce::int64 time = -1;
    EXPECT_FALSE (receiver.getLatest (information, time));
    EXPECT_EQ (time, -1);

    torvotest::fillSampleInformation (information);
    const auto before = juce::Time::currentTimeMillis();
    sendRecord (information);
    ASSERT_TRUE (waitUntil ([&] { return receiver.getNumAccepted() == 1; }, 10000));

    information.headerText.set ("second", tav::ChangeCallback::none());
    sendRecord (information);
    ASSERT_TRUE (waitUntil ([&] { return receiver.getNumAccepted() == 2; }, 10000));

    torvo::TorvoServerInformation latest;
    ASSERT_TRUE (receiver.getLatest (latest, time));
    EXPECT_EQ (latest.headerText.get(), "second");
    EXPECT_EQ (latest.systemMemory.toString(), "3.1 GB / 15.6 GB");
    EXPECT_GE (time, before);
    EXPECT_EQ (time, receiver.getLastArrivalTime());
}

TEST_F (ServerInformationReceiverTest, AHostileDatagramIsCountedAndLeavesTheLastRecord)
{
    torvo::TorvoServerInformation information;
    torvotest::fillSampleInformation (information);
    sendRecord (information);
    ASSERT_TRUE (waitUntil ([&] { return receiver.getNumAccepted() == 1; }, 10000));
    const auto arrival = receiver.getLastArrivalTime();

    send ("TVSI\1\0\4\0\0\0junk", 14);
    ASSERT_TRUE (waitUntil ([&] { return receiver.getNumRefused() == 1; }, 10000));

    EXPECT_TRUE (receiver.getLastRefusal().contains ("holds a text")) << receiver.getLastRefusal();
    EXPECT_EQ (receiver.getNumAccepted(), 1u);
    EXPECT_EQ (receiver.getLastArrivalTime(), arrival);

    torvo::TorvoServerInformation latest;
    juce::int64 time = 0;
    ASSERT_TRUE (receiver.getLatest (latest, time));
    EXPECT_EQ (latest.headerText.get(), information.headerText.get());
}

TEST_F (ServerInformationReceiverTest, StopsPromptlyAndKeepsWhatItReceived)
{
    torvo::TorvoServerInformation information;
    torvotest::fillSampleInformation (information);
    sendRecord (information);
    ASSERT_TRUE (waitUntil ([&] { return receiver.getNumAccepted() == 1; }, 10000));

    const auto start = juce::Time::getMillisecondCounterHiRes();
    receiver.stop();
    const auto took = juce::Time::getMillisecondCounterHiRes() - start;

    // The thread waits in slices of 50 ms; a stop that waited for a datagram
    // or the thread's kill time would take seconds.
    EXPECT_LT (took, 2500.0);
    EXPECT_FALSE (receiver.isListening());
    EXPECT_EQ (receiver.getPort(), -1);
    EXPECT_EQ (receiver.getNumAccepted(), 1u);

    const auto restarted = receiver.start (0);
    EXPECT_TRUE (restarted.wasOk()) << restarted.getErrorMessage();
}

TEST_F (ServerInformationReceiverTest, APortOutOfRangeIsRefused)
{
    torvo::ServerInformationReceiver other;
    EXPECT_TRUE (other.start (70000).getErrorMessage().contains ("port 70000"));
    EXPECT_FALSE (other.isListening());
}

} // namespace
