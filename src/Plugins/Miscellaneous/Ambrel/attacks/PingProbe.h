#pragma once

#include <juce_core/juce_core.h>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace torvo::attacks
{

//==============================================================================
/** Percentiles of a set of latencies, in milliseconds. */
struct LatencySummary
{
    double p50 = 0, p99 = 0, max = 0;
    size_t count = 0;
};

/** Summarises latencies; all zero when there are none. */
LatencySummary summariseLatencies (std::vector<double> latenciesMs);

//==============================================================================
/**
    A well-behaved grading client: connected before it starts, it sends a
    ping every interval and times each answer until stopped.
*/
class PingProbe
{
public:
    /** Connects to the loopback port and starts pinging; isConnected() says whether it could. */
    PingProbe (int port, int intervalMs = 20);

    /** Stops pinging. */
    ~PingProbe();

    /** True when the probe's connection was made. */
    bool isConnected() const noexcept          { return socket != nullptr; }

    /** Stops pinging, waits for the last answer and closes the connection. */
    void stop();

    /** The time each ping waited for its answer, in order. */
    std::vector<double> getLatenciesMs() const;

    /** The pings that got no "ok" answer (the connection failed or the reply was wrong). */
    int getFailures() const noexcept           { return failures.load(); }

private:
    void run (int intervalMs);
    bool pingOnce();

    std::unique_ptr<juce::StreamingSocket> socket;
    std::atomic<bool> stopping { false };
    std::atomic<int> failures { 0 };
    mutable std::mutex mutex;
    std::vector<double> latencies;
    std::thread thread;

    JUCE_DECLARE_NON_COPYABLE (PingProbe)
};

} // namespace torvo::attacks
