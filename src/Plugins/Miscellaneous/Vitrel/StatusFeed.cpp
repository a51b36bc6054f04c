#include "StatusFeed.h"

namespace launcher
{

void StatusFeed::setInformation (const torvo::TorvoServerInformation& info, juce::int64 time)
{
    const juce::ScopedLock sl (informationLock);
    information = info;
    lastInformationTime = time;
}

torvo::TorvoServerInformation StatusFeed::copyInformation() const
{
    torvo::TorvoServerInformation snapshot;

    {
        const juce::ScopedLock sl (informationLock);
        snapshot = information;
    }

    return snapshot;
}

juce::int64 StatusFeed::getLastInformationTime() const
{
    const juce::ScopedLock sl (informationLock);
    return lastInformationTime;
}

} // namespace launcher
