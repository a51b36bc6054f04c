#include "device/AmbrelDevice.h"
#include "GradingClient.h"
#include "GradingRequests.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>

// Loopback round trips to a grading device listening in this process, which
// holds the channel "bench", through ambrel-send's client code: setCDL, and
// setLUT with a 65^3 float32 table (274,625 entries of 16 bytes, 4,394,000
// bytes). Each benchmark reports the median and the 99th percentile of its
// round trips in microseconds.

namespace
{

/** The device and a handshaken client, made once for every benchmark. */
struct Loopback
{
    Loopback()
    {
        juce::StreamingSocket probe;
        probe.createListener (0, "127.0.0.1");
        const auto port = probe.getBoundPort();
        probe.close();

        device.setListenPort (port);
        device.initializeDevice();
        juce::String channel ("bench");
        held = device.acquireChannel (channel);

        juce::String error;
        juce::var reply;
        connected = client.connect ("127.0.0.1", port, 5000, error) && client.request (ambrel::makeHelloRequest(), reply, error);
    }

    ~Loopback()
    {
        client.close();
        device.deinitializeDevice();
    }

    torvo::AmbrelDevice device;
    std::shared_ptr<torvo::ChannelState> held;
    ambrel::GradingClient client;
    bool connected = false;
};

Loopback& getLoopback()
{
    static Loopback loopback;
    return loopback;
}

void reportPercentiles (benchmark::State& state, std::vector<double>& samples)
{
    if (samples.empty())
        return;

    std::sort (samples.begin(), samples.end());
    state.counters["p50_us"] = samples[samples.size() / 2];
    state.counters["p99_us"] = samples[std::min (samples.size() - 1, samples.size() * 99 / 100)];
}

void roundTrips (benchmark::State& state, const juce::var& request)
{
    auto& loopback = getLoopback();

    if (! loopback.connected)
    {
        state.SkipWithError ("no loopback connection");
        return;
    }

    std::vector<double> samples;
    juce::var reply;
    juce::String error;

    for (auto _ : state)
    {
        const auto start = std::chrono::steady_clock::now();

        if (! loopback.client.request (request, reply, error) || reply["result"].toString() != "ok")
        {
            state.SkipWithError ("request failed");
            return;
        }

        samples.push_back (std::chrono::duration<double, std::micro> (std::chrono::steady_clock::now() - start).count());
    }

    reportPercentiles (state, samples);
}

void BM_SetCdlRoundTrip (benchmark::State& state)
{
    ambrel::CdlParameters cdl;
    cdl.slope = { 1.1, 1.0, 0.9 };
    roundTrips (state, ambrel::makeSetCdlRequest ({ "bench" }, cdl));
}

void BM_SetLut65Float32RoundTrip (benchmark::State& state)
{
    constexpr int size = 65;
    juce::MemoryBlock table ((size_t) size * size * size * 16, true);
    roundTrips (state, ambrel::makeSetLutRequest ({ "bench" }, size, "float32", table));
}

} // namespace

BENCHMARK (BM_SetCdlRoundTrip)->Iterations (20000)->Unit (benchmark::kMicrosecond);
BENCHMARK (BM_SetLut65Float32RoundTrip)->Iterations (200)->Unit (benchmark::kMillisecond);

BENCHMARK_MAIN();
