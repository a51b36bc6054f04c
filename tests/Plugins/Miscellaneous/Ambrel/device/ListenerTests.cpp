#include "AmbrelTestSupport.h"
#include <network/FrameBuffer.h>
#include <GradingRequests.h>
#include <network/SocketSend.h>
#include <Waiting.h>

namespace
{
    std::vector<juce::uint8> lengthPrefix (juce::int32 length)
    {
        std::vector<juce::uint8> bytes (4);
        for (int i = 0; i < 4; ++i)
            bytes[(size_t) i] = (juce::uint8) ((juce::uint32) length >> (8 * i));
        return bytes;
    }

    /** True when the server closed the connection without answering. */
    bool closesUnanswered (ambrel::GradingClient& client)
    {
        juce::var reply;
        juce::String error;
        return ! client.readReply (reply, error);
    }

    class ListenerTest : public ListeningDeviceFixture {};
}

TEST (FrameBuffer, GrowsWithTheBytesReceivedNotWithTheDeclaredLength)
{
    torvo::FrameBudget budget;
    torvo::FrameBuffer frame (budget);
    const juce::uint8 header[4] = { 0, 0, 0, 4 };   // 64 MiB declared
    ASSERT_TRUE (frame.start (header));
    EXPECT_LT (frame.getCapacity(), 1024u * 1024u);

    size_t received = 4;

    while (received < 3 * 1024 * 1024)
    {
        size_t available = 0;
        frame.prepareSpace (available);
        ASSERT_GT (available, 0u);
        frame.commit (available);
        received += available;
        EXPECT_LE (frame.getCapacity(), std::max<size_t> (2 * received, 128 * 1024));
    }

    EXPECT_FALSE (frame.isComplete());
}

TEST (FrameBuffer, FramesShareOneBudgetAndGiveItBackWhenReleased)
{
    constexpr size_t limit = 1024 * 1024;
    torvo::FrameBudget budget (limit);
    torvo::FrameBuffer first (budget), second (budget);
    const juce::uint8 header[4] = { 0, 0, 0, 4 };   // 64 MiB declared
    ASSERT_TRUE (first.start (header));
    ASSERT_TRUE (second.start (header));

    size_t available = 0;

    while (! first.isComplete())
    {
        auto* space = first.prepareSpace (available);

        if (space == nullptr)
            break;

        std::memset (space, 0, available);
        first.commit (available);
    }

    EXPECT_GE (first.getReceived(), limit / 4);
    EXPECT_LE (budget.getPeak(), limit);

    first.release();
    second.release();
    EXPECT_EQ (budget.getInUse(), 0u);
}

TEST (FrameBuffer, ARequestOfOneSmallBlockStartsWhileLargeFramesHoldTheWholeBudget)
{
    // Frames growing by doubling can fill a budget of a power of two exactly.
    constexpr size_t limit = 1024 * 1024;
    torvo::FrameBudget budget (limit);
    ASSERT_TRUE (budget.tryTake (limit));

    // A ping is far smaller than the first block every frame gets.
    const juce::uint8 pingHeader[4] = { 21, 0, 0, 0 };
    torvo::FrameBuffer ping (budget);
    ASSERT_TRUE (ping.start (pingHeader));
    size_t available = 0;
    ASSERT_NE (ping.prepareSpace (available), nullptr);
    EXPECT_EQ (available, 17u);

    // Growing past its first block needs the budget again.
    const juce::uint8 largeHeader[4] = { 0, 0, 0, 1 };   // 16 MiB declared
    torvo::FrameBuffer large (budget);
    ASSERT_TRUE (large.start (largeHeader));
    large.commit (large.prepareSpace (available) != nullptr ? available : 0);
    EXPECT_EQ (large.prepareSpace (available), nullptr);
    EXPECT_EQ (budget.getPeak(), limit);
}

TEST (SocketSend, WritingAfterThePeerHasResetFailsWithoutEndingTheProcess)
{
    const auto port = findFreePort();
    juce::StreamingSocket listener;
    ASSERT_TRUE (listener.createListener (port, "127.0.0.1"));

    juce::StreamingSocket peer;
    ASSERT_TRUE (peer.connect ("127.0.0.1", port, 2000));
    std::unique_ptr<juce::StreamingSocket> server (listener.waitForNextConnection());
    ASSERT_NE (server, nullptr);
    peer.close();

    // The closed peer answers the first bytes with a reset; every write after
    // it fails, and on Linux a plain send would raise SIGPIPE there.
    const char byte = 0;
    bool failed = false;

    for (int attempt = 0; attempt < 500 && ! failed; ++attempt)
    {
        failed = torvo::sendWithoutSignal (*server, &byte, 1) < 0;
        juce::Thread::sleep (10);
    }

    EXPECT_TRUE (failed);
}

TEST_F (ListenerTest, StatusCountsOnlyHandshakenClients)
{
    auto plain = connectClient();
    auto first = connectClient();
    juce::var reply;
    juce::String error;
    ASSERT_TRUE (first->request (ambrel::makeHelloRequest(), reply, error)) << error;
    ASSERT_TRUE (waitForClientCount (1));
    device->update ({});
    EXPECT_EQ (device->getStatus().getText(), "Ambrel connected: 1 client (port " + juce::String (port) + ")");

    auto second = connectClient();
    ASSERT_TRUE (second->request (ambrel::makeHelloRequest(), reply, error)) << error;
    device->update ({});
    EXPECT_EQ (device->getStatus().getText(), "Ambrel connected: 2 clients (port " + juce::String (port) + ")");

    first.reset();
    second.reset();
    ASSERT_TRUE (waitForClientCount (0));
    device->update ({});
    EXPECT_EQ (device->getStatus().getText(), "Listening on port " + juce::String (port));
}

TEST_F (ListenerTest, BadFrameLengthsCloseTheConnectionUnanswered)
{
    for (const auto length : { 4, 0x4000001, -1 })
    {
        auto client = connectClient();
        juce::String error;
        const auto bytes = lengthPrefix (length);
        ASSERT_TRUE (client->sendBytes (bytes.data(), bytes.size(), error));
        EXPECT_TRUE (closesUnanswered (*client)) << length;
    }
}

TEST_F (ListenerTest, AnUndecodableFrameClosesTheConnectionUnanswered)
{
    auto client = connectClient();
    const juce::uint8 frame[] = { 6, 0, 0, 0, 0x7f, 0 };
    juce::String error;
    ASSERT_TRUE (client->sendBytes (frame, sizeof (frame), error));
    EXPECT_TRUE (closesUnanswered (*client));
}

TEST_F (ListenerTest, BackToBackRequestsInOneWriteAreAnsweredInOrder)
{
    auto client = connectClient();
    auto bytes = encodeFrame (makeDocument ({ { "command", "ping" } }));
    const auto second = encodeFrame (makeDocument ({ { "command", "nope" } }));
    bytes.insert (bytes.end(), second.begin(), second.end());
    juce::String error;
    ASSERT_TRUE (client->sendBytes (bytes.data(), bytes.size(), error));

    juce::var reply;
    ASSERT_TRUE (client->readReply (reply, error)) << error;
    EXPECT_EQ (reply["result"].toString(), "ok");
    ASSERT_TRUE (client->readReply (reply, error)) << error;
    EXPECT_EQ ((int) reply["error"]["code"], 3);
}

TEST_F (ListenerTest, ADisconnectInTheMiddleOfAFrameRemovesTheClientsShare)
{
    {
        auto client = connectClient();
        juce::var reply;
        juce::String error;
        ASSERT_TRUE (client->request (ambrel::makeHelloRequest(), reply, error)) << error;
        ASSERT_TRUE (waitForClientCount (1));
        const auto bytes = lengthPrefix (1000);
        ASSERT_TRUE (client->sendBytes (bytes.data(), bytes.size(), error));
        ASSERT_TRUE (client->sendBytes ("abc", 3, error));
    }

    EXPECT_TRUE (waitForClientCount (0));
}

TEST_F (ListenerTest, ASecondDeviceOnThePortShowsTheBindErrorUntilThePortIsFree)
{
    torvo::AmbrelDevice second;
    second.setListenPort (port);
    ASSERT_TRUE (second.initializeDevice());
    second.update ({});
    EXPECT_FALSE (second.getStatus().isSuccess());
    EXPECT_EQ (second.getStatus().getText(), "Failed to bind TCP port " + juce::String (port)
                                               + " (port already in use? another Ambrel device on the same port?)");

    device->deinitializeDevice();

    // The second device binds again at one of its next updates.
    waitUntil ([&]
    {
        if (second.getStatus().isSuccess())
            return true;

        second.update ({});
        return false;
    }, 10000, 100);

    EXPECT_EQ (second.getStatus().getText(), "Listening on port " + juce::String (port));
    second.deinitializeDevice();
}

TEST_F (ListenerTest, DeinitialisingClosesClientsAndResetsTheCount)
{
    auto client = connectClient();
    juce::var reply;
    juce::String error;
    ASSERT_TRUE (client->request (ambrel::makeHelloRequest(), reply, error)) << error;
    ASSERT_TRUE (waitForClientCount (1));

    device->deinitializeDevice();
    EXPECT_EQ (device->getHandshakenClientCount(), 0);
    EXPECT_TRUE (closesUnanswered (*client));
}

TEST_F (ListenerTest, ClientsBeyondTheLimitAreClosedAtOnceWithOneStatusLine)
{
    RecordingListener recorder (*device);
    device->setClientLimit (2);
    juce::var reply;
    juce::String error;

    auto first = connectClient();
    auto second = connectClient();
    ASSERT_TRUE (first->request (ambrel::makeHelloRequest(), reply, error)) << error;
    ASSERT_TRUE (second->request (ambrel::makeHelloRequest(), reply, error)) << error;

    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE (connectClient()->request (ambrel::makePingRequest(), reply, error)) << "refused client " << i;

    const auto events = recorder.getEvents();
    const auto refusals = std::count_if (events.begin(), events.end(),
                                         [] (const juce::String& e) { return e.contains ("refusing new connections"); });
    EXPECT_EQ (refusals, 1) << events.joinIntoString ("\n");

    // Once a client leaves, its place is free again.
    first.reset();
    EXPECT_TRUE (waitUntil ([this]
    {
        juce::var r;
        juce::String e;
        return connectClient()->request (ambrel::makePingRequest(), r, e);
    }, 10000, 50));
    EXPECT_TRUE (second->request (ambrel::makePingRequest(), reply, error)) << error;
}

TEST_F (ListenerTest, AFrameWhoseBytesStopArrivingIsClosedWhileAnIdleConnectionStaysOpen)
{
    device->setPartialFrameTimeout (300);
    juce::var reply;
    juce::String error;

    auto idle = connectClient();
    ASSERT_TRUE (idle->request (ambrel::makeHelloRequest(), reply, error)) << error;

    juce::StreamingSocket stalled;
    ASSERT_TRUE (stalled.connect ("127.0.0.1", port, 5000));
    const juce::uint8 halfALength[] = { 16, 0 };
    ASSERT_EQ (stalled.write (halfALength, 2), 2);

    // The device gives up on the frame: the socket reads as ended, not as silent.
    ASSERT_EQ (stalled.waitUntilReady (true, 10000), 1);
    char byte = 0;
    EXPECT_LE (stalled.read (&byte, 1, false), 0);

    juce::Thread::sleep (1000);   // idle between frames, well past the frame limit
    EXPECT_TRUE (idle->request (ambrel::makePingRequest(), reply, error)) << error;
}

TEST_F (ListenerTest, AFrameThatWouldPassTheMemoryBudgetClosesItsConnection)
{
    // Room for a 3 MiB frame while it grows from its 2 MiB block, not for a second one.
    constexpr size_t limit = 6 * 1024 * 1024;
    device->getFrameBudget().setLimit (limit);
    const auto frame = makeBinaryFrame (3 * 1024 * 1024);
    const auto allButLast = frame.size() - 1;
    juce::var reply;
    juce::String error;

    auto holder = connectClient();
    ASSERT_TRUE (holder->sendBytes (frame.data(), allButLast, error)) << error;
    ASSERT_TRUE (waitUntil ([this] { return device->getFrameBudget().getInUse() >= 3 * 1024 * 1024; }, 10000));

    // The second frame cannot grow past its first blocks: the device closes
    // it (a write to it may then fail, without a signal).
    juce::StreamingSocket intruder;
    ASSERT_TRUE (intruder.connect ("127.0.0.1", port, 5000));

    for (size_t sent = 0; sent < allButLast;)
    {
        const auto n = torvo::sendWithoutSignal (intruder, frame.data() + sent, (int) (allButLast - sent));

        if (n <= 0)
            break;

        sent += (size_t) n;
    }

    ASSERT_EQ (intruder.waitUntilReady (true, 10000), 1);
    char byte = 0;
    EXPECT_LE (intruder.read (&byte, 1, false), 0);

    // The frame within the budget is still served.
    ASSERT_TRUE (holder->sendBytes (frame.data() + allButLast, 1, error)) << error;
    EXPECT_TRUE (holder->readReply (reply, error)) << error;
    EXPECT_LE (device->getFrameBudget().getPeak(), limit);
}

TEST_F (ListenerTest, DeinitialisingWaitsForAConnectionBusyWithAFrameInsteadOfKillingIt)
{
    RecordingListener recorder (*device);
    juce::var reply;
    juce::String error;

    auto client = connectClient();
    ASSERT_TRUE (client->request (ambrel::makeHelloRequest(), reply, error)) << error;

    // Longer than any stop timeout a killing shutdown would allow itself.
    device->setFrameHandlingDelayForTesting (3000);
    const auto ping = encodeFrame (ambrel::makePingRequest());
    ASSERT_TRUE (client->sendBytes (ping.data(), ping.size(), error)) << error;
    ASSERT_TRUE (waitUntil ([this] { return device->getFrameBudget().getInUse() > 0; }, 10000));
    juce::Thread::sleep (100);

    device->deinitializeDevice();

    // The connection ran to its end: it gave back its session's share.
    EXPECT_TRUE (recorder.getEvents().joinIntoString ("\n").contains ("disconnected"))
        << recorder.getEvents().joinIntoString ("\n");
}

TEST_F (ListenerTest, TheClientReadsAHelloReplyThatAnnouncesHundredsOfChannels)
{
    // Each announced channel is a document of four named elements, far more
    // than a request may hold in all.
    constexpr int numChannels = 500;
    std::vector<std::shared_ptr<torvo::ChannelState>> held;

    for (int i = 0; i < numChannels; ++i)
    {
        juce::String name ("grade-" + juce::String (i));
        held.push_back (device->acquireChannel (name));
    }

    juce::var reply;
    juce::String error;
    ASSERT_TRUE (connectClient()->request (ambrel::makeHelloRequest(), reply, error)) << error;
    const auto& channels = reply["protocols"][0]["channels"];
    ASSERT_EQ (channels.size(), numChannels);
    EXPECT_EQ (channels[0]["channel"].toString(), "grade-0");
    EXPECT_EQ (channels[numChannels - 1]["lutSizes"].size(), 3);
}

TEST_F (ListenerTest, AConnectionWhoseThreadFailsToStartIsClosedAndGivesBackItsPlace)
{
    device->setClientLimit (1);
    device->failNextConnectionThreadForTesting();

    juce::StreamingSocket unserved;
    ASSERT_TRUE (unserved.connect ("127.0.0.1", port, 5000));
    ASSERT_EQ (unserved.waitUntilReady (true, 10000), 1);
    char byte = 0;
    EXPECT_LE (unserved.read (&byte, 1, false), 0);

    // The only place among the clients is free for the next one.
    juce::var reply;
    juce::String error;
    EXPECT_TRUE (connectClient()->request (ambrel::makePingRequest(), reply, error)) << error;
}
