#include "AmbrelTestSupport.h"
#include <Waiting.h>
#include <attacks/HostileClients.h>
#include <attacks/OpenDescriptors.h>
#include <attacks/PingProbe.h>

using torvo::attacks::Attack;

namespace
{
    // The attacks scaled down to what a loaded two-core machine plays in a
    // second: a small client limit, memory budget and stall limit push the
    // device to each of its limits as the full-sized ones would.
    constexpr int clientLimit = 16;
    constexpr size_t frameBudgetBytes = 16 * 1024 * 1024;
    constexpr size_t nullArrayFrameBytes = 6 * 1024 * 1024;
    constexpr int partialFrameTimeoutMs = 300;
    constexpr int attackMs = 700;
    constexpr double longestPingMs = 1000.0;

    class HostileClientTest : public ListeningDeviceFixture
    {
    protected:
        void SetUp() override
        {
            ListeningDeviceFixture::SetUp();
            device->setClientLimit (clientLimit);
            device->setPartialFrameTimeout (partialFrameTimeoutMs);
            device->getFrameBudget().setLimit (frameBudgetBytes);
            held = device->acquireChannel (channel);
            descriptorsBefore = torvo::attacks::countOpenDescriptors();
        }

        torvo::attacks::AttackSettings makeSettings() const
        {
            torvo::attacks::AttackSettings settings;
            settings.port = port;
            settings.clientLimit = clientLimit;
            settings.nullArrayFrameBytes = nullArrayFrameBytes;
            settings.channel = channel;
            return settings;
        }

        /** Every attacker's descriptors and every connection's are closed again. */
        void expectDescriptorsBack()
        {
            if (! descriptorsBefore.has_value())
            {
                std::cout << "Descriptors not counted: this platform's handle count moves with threads and events too\n";
                return;
            }

            EXPECT_TRUE (waitUntil ([this] { return torvo::attacks::countOpenDescriptors() <= descriptorsBefore; }, 10000, 50))
                << "before: " << *descriptorsBefore << ", after: " << torvo::attacks::countOpenDescriptors().value_or (-1);
        }

        juce::String channel { "attacked" };
        std::shared_ptr<torvo::ChannelState> held;
        std::optional<int> descriptorsBefore;
    };

    class EachAttack : public HostileClientTest,
                       public testing::WithParamInterface<Attack> {};
}

TEST_P (EachAttack, LeavesAWellBehavedClientAnsweredWithinASecondAndLeavesNothingOpen)
{
    torvo::attacks::PingProbe probe (port);
    ASSERT_TRUE (probe.isConnected());

    {
        torvo::attacks::HostileClients attackers (makeSettings(), { GetParam() });
        juce::Thread::sleep (attackMs);
        attackers.stop();
        EXPECT_GT (attackers.getRounds(), 0);
    }

    probe.stop();
    const auto latencies = torvo::attacks::summariseLatencies (probe.getLatenciesMs());
    EXPECT_EQ (probe.getFailures(), 0);
    EXPECT_GE (latencies.count, 5u);
    EXPECT_LT (latencies.max, longestPingMs) << "p50 " << latencies.p50 << " ms, p99 " << latencies.p99 << " ms";
    EXPECT_LE (device->getFrameBudget().getPeak(), frameBudgetBytes);
    expectDescriptorsBack();
}

INSTANTIATE_TEST_SUITE_P (Attacks, EachAttack, testing::ValuesIn (torvo::attacks::allAttacks()),
                          [] (const auto& info)
                          {
                              return torvo::attacks::getAttackName (info.param).removeCharacters (" ").toStdString();
                          });

TEST_F (HostileClientTest, AllAttacksAtOnceLeaveTheClientAnsweredAndTheDeviceStopsInTheirMidst)
{
    torvo::attacks::PingProbe probe (port);
    ASSERT_TRUE (probe.isConnected());
    torvo::attacks::HostileClients attackers (makeSettings(), torvo::attacks::allAttacks());
    juce::Thread::sleep (attackMs);

    probe.stop();
    const auto latencies = torvo::attacks::summariseLatencies (probe.getLatenciesMs());
    EXPECT_EQ (probe.getFailures(), 0);
    EXPECT_LT (latencies.max, longestPingMs) << "p50 " << latencies.p50 << " ms, p99 " << latencies.p99 << " ms";
    RecordProperty ("pingP99Ms", std::to_string (latencies.p99));
    RecordProperty ("pingMaxMs", std::to_string (latencies.max));

    const auto stopStarted = juce::Time::getMillisecondCounterHiRes();
    device->deinitializeDevice();
    const auto stopMs = juce::Time::getMillisecondCounterHiRes() - stopStarted;
    EXPECT_LT (stopMs, 3000.0);
    RecordProperty ("stopMs", std::to_string (stopMs));

    attackers.stop();
    EXPECT_GT (attackers.getRounds(), 0);
    EXPECT_LE (device->getFrameBudget().getPeak(), frameBudgetBytes);
    RecordProperty ("framePeakBytes", std::to_string (device->getFrameBudget().getPeak()));
    expectDescriptorsBack();
}
