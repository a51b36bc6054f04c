#include "LauncherStatusFeed.h"

LauncherStatusFeed::LauncherStatusFeed (launcher::LauncherService& launcherService)
    : service (launcherService)
{
}

juce::Result LauncherStatusFeed::start (const juce::String& address, int port)
{
    return receiver.start (port, address);
}

void LauncherStatusFeed::stop()
{
    receiver.stop();
}

bool LauncherStatusFeed::update()
{
    // Counted rather than timed: two records can arrive within one millisecond.
    const auto accepted = receiver.getNumAccepted();
    juce::int64 arrivalTime = 0;

    if (accepted == copiedCount || ! receiver.getLatest (latest, arrivalTime))
        return false;

    service.setServerInformation (latest, arrivalTime);
    copiedCount = accepted;
    return true;
}
