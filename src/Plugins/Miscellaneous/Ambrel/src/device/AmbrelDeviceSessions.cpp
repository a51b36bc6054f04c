#include "device/AmbrelDevice.h"
#include "protocol/GradingSession.h"

namespace torvo
{

namespace
{
    /** Takes a session's share off the pickup counts; needs the channel lock. */
    void dropPickups (std::map<juce::String, juce::int32>& pickedUpChannels, const GradingSession& session)
    {
        for (auto& name : session.pickedUp)
            if (auto it = pickedUpChannels.find (name); it != pickedUpChannels.end() && --it->second < 1)
                pickedUpChannels.erase (it);
    }
}

//==============================================================================
juce::StringArray AmbrelDevice::pickUpChannelsInUse (GradingSession& session)
{
    const juce::ScopedLock sl (channelLock);

    if (! session.counted)
    {
        ++tables.handshakenClientCount;
        session.counted = true;
    }

    dropPickups (tables.pickedUpChannels, session);
    session.pickedUp.clear();
    juce::StringArray announced;

    for (auto& [name, state] : tables.channelStates)
    {
        if (state->users > 0)
        {
            announced.add (name);
            session.pickedUp.insert (name);
            ++tables.pickedUpChannels[name];
        }
    }

    return announced;
}

void AmbrelDevice::removeSessionShare (const GradingSession& session)
{
    {
        const juce::ScopedLock sl (channelLock);

        if (session.counted)
            --tables.handshakenClientCount;

        dropPickups (tables.pickedUpChannels, session);
    }

    if (session.counted)
        sendSessionNotification ("disconnected");
}

} // namespace torvo
