#include "AmbrelTestSupport.h"
#include <ScopedEnvironment.h>
#include <StoppableProcess.h>
#include <TestPrograms.h>
#include <Waiting.h>
#include <attacks/HostileClients.h>

namespace
{
    /** The host program with the Ambrel plug-in, serving a free port, its
        output in a temporary file. */
    class HostUnderAttack : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            host = std::make_unique<StoppableProcess> (programs::find ("Torvo"), juce::StringArray(), output.getFile());
            ASSERT_TRUE (host->isStarted());
            ASSERT_TRUE (waitForText (output.getFile(), "Listening on port " + juce::String (port), 60000, 50)) << getOutput();
        }

        juce::String getOutput() const     { return output.getFile().loadFileAsString(); }

        /** The output lines that end with text. */
        int countLinesEndingWith (const juce::String& text) const
        {
            auto lines = juce::StringArray::fromLines (getOutput());
            return (int) std::count_if (lines.begin(), lines.end(),
                                        [&] (const juce::String& line) { return line.trimEnd().endsWith (text); });
        }

        const int port = findFreePort();
        const ScopedEnvironment environment { "AMBREL_PORT", juce::String (port) };
        const juce::TemporaryFile output { "torvo-attacked.txt" };
        std::unique_ptr<StoppableProcess> host;
    };

    /** True once the server has closed the connection. */
    bool isClosedByServer (juce::StreamingSocket& socket)
    {
        char byte = 0;
        return socket.waitUntilReady (true, 10000) == 1 && socket.read (&byte, 1, false) <= 0;
    }
}

TEST_F (HostUnderAttack, PrintsOneStatusLineForARunOfRefusedClientsAndAnotherWhenOneLeaves)
{
    const auto listening = "Listening on port " + juce::String (port);
    std::vector<std::unique_ptr<juce::StreamingSocket>> idle;

    for (int i = 0; i < torvo::AmbrelDevice::defaultClientLimit; ++i)
    {
        idle.push_back (std::make_unique<juce::StreamingSocket>());
        ASSERT_TRUE (idle.back()->connect ("127.0.0.1", port, 5000)) << "client " << i;
    }

    for (int i = 0; i < 3; ++i)
    {
        juce::StreamingSocket refused;
        ASSERT_TRUE (refused.connect ("127.0.0.1", port, 5000));
        EXPECT_TRUE (isClosedByServer (refused)) << "refused client " << i;
    }

    const auto refusal = juce::String (torvo::AmbrelDevice::defaultClientLimit)
                             + " clients connected, refusing new connections until one leaves";
    ASSERT_TRUE (waitForText (output.getFile(), refusal, 10000, 50)) << getOutput();
    EXPECT_EQ (countLinesEndingWith (refusal), 1) << getOutput();

    idle.pop_back();
    EXPECT_TRUE (waitUntil ([&] { return countLinesEndingWith (listening) == 2; }, 10000, 50)) << getOutput();
    EXPECT_EQ (countLinesEndingWith (refusal), 1) << getOutput();

    host->requestStop();
    EXPECT_EQ (host->waitForExit (30000), 0) << getOutput();
}

TEST_F (HostUnderAttack, CtrlCInTheMidstOfEveryAttackExitsCleanlyWithinThreeSeconds)
{
    torvo::attacks::AttackSettings settings;
    settings.port = port;
    settings.channel = "default";
    torvo::attacks::HostileClients attackers (settings, torvo::attacks::allAttacks());
    juce::Thread::sleep (1500);

    const auto stopStarted = juce::Time::getMillisecondCounterHiRes();
    host->requestInterrupt();
    const auto exitCode = host->waitForExit (30000);
    const auto stopMs = juce::Time::getMillisecondCounterHiRes() - stopStarted;
    attackers.stop();

    EXPECT_EQ (exitCode, 0) << getOutput();
    EXPECT_LT (stopMs, 3000.0) << getOutput();
    EXPECT_GT (attackers.getRounds(), 0);
    RecordProperty ("stopMs", std::to_string (stopMs));
    std::cout << "Host stopped amid the attacks in " << stopMs << " ms\n";
}
