#include "device/AmbrelDevice.h"
#include "attacks/HostileClients.h"
#include "attacks/PingProbe.h"

#include <cstdio>

// Ping latency of a well-behaved grading client (one ping every 20 ms) on a
// grading device listening in this process, first alone, then while every
// hostile-client attack plays at once at full size (client limit 64, memory
// budget 128 MiB, four clients sending 16 MiB frames of nulls). Prints the
// 50th and 99th percentiles and the maximum of each run, the attacked run's
// figures as multiples of the quiet run's, and the frame budget's peak.
// The first argument, when given, is the seconds each run lasts (default 5).

namespace
{

struct Run
{
    torvo::attacks::LatencySummary latency;
    int failures = 0, rounds = 0;
};

int findFreePort()
{
    juce::StreamingSocket probe;
    probe.createListener (0, "127.0.0.1");
    return probe.getBoundPort();
}

Run measure (int port, int seconds, bool attacked)
{
    torvo::attacks::AttackSettings settings;
    settings.port = port;
    settings.nullArrayFrameBytes = 16 * 1024 * 1024;
    settings.channel = "bench";

    torvo::attacks::PingProbe probe (port);
    std::unique_ptr<torvo::attacks::HostileClients> attackers;

    if (attacked)
        attackers = std::make_unique<torvo::attacks::HostileClients> (settings, torvo::attacks::allAttacks());

    juce::Thread::sleep (seconds * 1000);
    probe.stop();

    Run run;
    run.latency = torvo::attacks::summariseLatencies (probe.getLatenciesMs());
    run.failures = probe.getFailures();

    if (attackers != nullptr)
    {
        attackers->stop();
        run.rounds = attackers->getRounds();
    }

    return run;
}

double ratio (double value, double baseline)
{
    return baseline > 0 ? value / baseline : 0.0;
}

} // namespace

int main (int argc, char** argv)
{
    const auto seconds = argc > 1 ? juce::jmax (1, juce::String (argv[1]).getIntValue()) : 5;
    const auto port = findFreePort();

    torvo::AmbrelDevice device;
    device.setListenPort (port);
    device.initializeDevice();
    juce::String channel ("bench");
    const auto held = device.acquireChannel (channel);

    const auto quiet = measure (port, seconds, false);
    const auto attacked = measure (port, seconds, true);
    device.deinitializeDevice();

    std::printf ("%-12s %8s %10s %10s %10s %9s %8s\n", "run", "pings", "p50 ms", "p99 ms", "max ms", "failures", "rounds");

    for (const auto* run : { &quiet, &attacked })
        std::printf ("%-12s %8zu %10.3f %10.3f %10.3f %9d %8d\n", run == &quiet ? "no attack" : "attacked",
                     run->latency.count, run->latency.p50, run->latency.p99, run->latency.max, run->failures, run->rounds);

    std::printf ("%-12s %8s %10.2f %10.2f %10.2f\n", "ratio", "",
                 ratio (attacked.latency.p50, quiet.latency.p50), ratio (attacked.latency.p99, quiet.latency.p99),
                 ratio (attacked.latency.max, quiet.latency.max));
    std::printf ("frame budget peak: %zu bytes of %zu\n", device.getFrameBudget().getPeak(), torvo::FrameBudget::defaultLimit);
    return quiet.failures + attacked.failures == 0 ? 0 : 1;
}
