#include "attacks/PingProbe.h"
#include "attacks/AttackSockets.h"
#include <bson/BsonCodec.h>
#include <GradingRequests.h>
#include <algorithm>

namespace torvo::attacks
{

namespace
{
    /** Far past the second a ping may take: beyond it the ping counts as failed. */
    constexpr int replyWaitMs = 10000;

    double percentile (const std::vector<double>& sorted, double fraction)
    {
        const auto index = (size_t) std::ceil (fraction * (double) sorted.size()) - 1;
        return sorted[juce::jmin (index, sorted.size() - 1)];
    }
}

LatencySummary summariseLatencies (std::vector<double> latenciesMs)
{
    if (latenciesMs.empty())
        return {};

    std::sort (latenciesMs.begin(), latenciesMs.end());
    return { percentile (latenciesMs, 0.5), percentile (latenciesMs, 0.99), latenciesMs.back(), latenciesMs.size() };
}

//==============================================================================
PingProbe::PingProbe (int port, int intervalMs)
    : socket (connectToLoopback (port))
{
    if (socket != nullptr)
        thread = std::thread ([this, intervalMs] { run (intervalMs); });
}

PingProbe::~PingProbe()
{
    stop();
}

void PingProbe::stop()
{
    stopping = true;

    if (thread.joinable())
        thread.join();

    if (socket != nullptr)
        socket->close();
}

std::vector<double> PingProbe::getLatenciesMs() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return latencies;
}

void PingProbe::run (int intervalMs)
{
    while (! stopping.load())
    {
        const auto started = juce::Time::getMillisecondCounterHiRes();

        if (! pingOnce())
        {
            ++failures;
            return;
        }

        const auto tookMs = juce::Time::getMillisecondCounterHiRes() - started;

        {
            const std::lock_guard<std::mutex> lock (mutex);
            latencies.push_back (tookMs);
        }

        holdFor (juce::jmax (0, intervalMs - (int) tookMs), stopping);
    }
}

bool PingProbe::pingOnce()
{
    const std::atomic<bool> never { false };

    if (! sendDocument (*socket, ambrel::makePingRequest(), never))
        return false;

    const auto frame = readReplyFrame (*socket, replyWaitMs, never);
    juce::var reply;
    return ! frame.empty() && decodeBsonDocument (frame.data(), frame.size(), reply).wasOk()
        && reply["result"].toString() == "ok";
}

} // namespace torvo::attacks
