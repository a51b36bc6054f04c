#include "StandInLauncherComponent.h"
#include <startdeck/LauncherService.h>
#include <tavcore/ExecutionContext.h>

namespace standin
{

namespace
{
    /** How old the host's record may grow before the host counts as stopped. */
    constexpr juce::int64 serverSilenceLimitMs = 3000;
}

StandInLauncherComponent::StandInLauncherComponent()    { tell ("created"); }
StandInLauncherComponent::~StandInLauncherComponent()   { tell ("destroyed"); }

bool StandInLauncherComponent::startDisplay()
{
    tell ("startDisplay");
    return true;
}

void StandInLauncherComponent::stopDisplay()
{
    tell ("stopDisplay");
}

void StandInLauncherComponent::refreshInformation()
{
    if (! refreshed)
        tell ("refreshInformation");

    refreshed = true;
    auto* service = findLauncherService();

    if (service != nullptr)
        takeInformation (*service);
    else if (! toldNoService)
        tell ("no launcher service above it");

    toldNoService = service == nullptr;
}

void StandInLauncherComponent::takeInformation (launcher::LauncherService& service)
{
    juce::String memory;
    juce::int64 time = 0;
    service.readServerInformation ([&] (const torvo::TorvoServerInformation& information, juce::int64 arrival)
    {
        memory = information.systemMemory.toString();
        time = arrival;
    });

    if (time != shownTime)
        tell ("information " + memory);

    shownTime = time;
    tellWhetherServerRuns (time);
}

void StandInLauncherComponent::tellWhetherServerRuns (juce::int64 informationTime)
{
    const auto running = informationTime != 0 && juce::Time::currentTimeMillis() - informationTime < serverSilenceLimitMs;

    if ((int) running != shownRunning)
        tell (running ? "server running" : "server not running");

    shownRunning = (int) running;
}

void StandInLauncherComponent::tell (const juce::String& text)
{
    tav::ExecutionContext::get().information ("StandInLauncherComponent: " + text);
}

} // namespace standin
