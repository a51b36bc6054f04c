#pragma once

#include <torvocore/TorvoServerInformation.h>

namespace launcher
{

//==============================================================================
/**
    The display thread's copy of the host's status record and the time it
    arrived. The host's or the launcher's thread writes it and the page
    painters copy it out; each side holds the lock for one assignment only.
*/
class StatusFeed
{
public:
    StatusFeed() = default;

    /** Takes a new record and the time, in milliseconds, it was made. */
    void setInformation (const torvo::TorvoServerInformation& info, juce::int64 time);

    /** A copy of the current record, for one painter to draw from. */
    torvo::TorvoServerInformation copyInformation() const;

    /** When the current record was made; 0 before any arrived. */
    juce::int64 getLastInformationTime() const;

private:
    juce::CriticalSection informationLock;
    torvo::TorvoServerInformation information;
    juce::int64 lastInformationTime = 0;

    JUCE_DECLARE_NON_COPYABLE (StatusFeed)
};

} // namespace launcher
