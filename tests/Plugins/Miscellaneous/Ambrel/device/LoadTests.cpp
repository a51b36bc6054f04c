#include "AmbrelTestSupport.h"
#include <GradingRequests.h>
#include <thread>

namespace
{
    class LoadTest : public ListeningDeviceFixture {};

    /** One client's life; returns a description of what went wrong, or nothing. */
    juce::String runClient (int index, int port)
    {
        ambrel::GradingClient client;
        juce::String error;
        juce::var reply;

        if (! client.connect ("127.0.0.1", port, 10000, error))
            return error;

        switch (index % 4)
        {
            case 0:   // valid requests
            {
                for (int i = 0; i < 20; ++i)
                {
                    if (! client.request (i == 0 ? ambrel::makeHelloRequest() : ambrel::makeSetCdlRequest ({ "load" }, {}), reply, error))
                        return "client " + juce::String (index) + ": " + error;

                    if (reply["result"].toString() != "ok")
                        return "client " + juce::String (index) + ": " + juce::JSON::toString (reply, true);
                }

                return {};
            }

            case 1:   // malformed frame after a hello
            {
                const juce::uint8 bad[] = { 6, 0, 0, 0, 0x7f, 0 };
                client.request (ambrel::makeHelloRequest(), reply, error);
                client.sendBytes (bad, sizeof (bad), error);
                return client.readReply (reply, error) ? "malformed frame answered" : juce::String();
            }

            case 2:   // disconnect in the middle of a frame
            {
                const juce::uint8 partial[] = { 0, 1, 0, 0, 0x02, 'x' };
                client.request (ambrel::makeHelloRequest(), reply, error);
                client.sendBytes (partial, sizeof (partial), error);
                return {};
            }

            default:  // idle client that announces a large frame and sends little
            {
                const juce::uint8 header[] = { 0, 0, 0, 4, 0x10 };
                client.sendBytes (header, sizeof (header), error);
                juce::Thread::sleep (200);
                return {};
            }
        }
    }
}

TEST_F (LoadTest, ManyMixedClientsAreServedAndLeaveNoCountBehind)
{
    juce::String channel ("load");
    const auto held = device->acquireChannel (channel);

    constexpr int numClients = 64;
    std::vector<std::thread> threads;
    std::vector<juce::String> problems (numClients);

    for (int i = 0; i < numClients - 1; ++i)
        threads.emplace_back ([i, &problems, this] { problems[(size_t) i] = runClient (i, port); });

    threads.emplace_back ([&problems, this]
    {
        ambrel::GradingClient client;
        juce::String error;
        juce::var reply;
        const auto frame = makeBinaryFrame (0x4000000);

        if (! client.connect ("127.0.0.1", port, 10000, error) || ! client.sendBytes (frame.data(), frame.size(), error)
              || ! client.readReply (reply, error))
            problems.back() = "64 MiB frame: " + error;
        else if ((int) reply["error"]["code"] != 3)
            problems.back() = "64 MiB frame: " + juce::JSON::toString (reply, true);
    });

    for (auto& t : threads)
        t.join();

    for (auto& problem : problems)
        EXPECT_TRUE (problem.isEmpty()) << problem;

    EXPECT_TRUE (waitForClientCount (0));
    EXPECT_GE (held->cdlVersion, 1u);

    const auto framePeak = device->getFrameBudget().getPeak();
    EXPECT_LE (framePeak, torvo::FrameBudget::defaultLimit);
    RecordProperty ("framePeakBytes", std::to_string (framePeak));
}
