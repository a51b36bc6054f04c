#pragma once

#include <torvocore/TorvoServerInformation.h>
#include <functional>

namespace launcher
{

//==============================================================================
/**
    The launcher's service: the parent of its components and the keeper of
    the launcher's copy of the host's published status, with the time that
    copy arrived.

    The launcher's receiving side writes the copy and the components read it
    from the launcher's thread, so both go through one lock, held for one
    assignment. The time is the launcher's own (milliseconds, as
    juce::Time::currentTimeMillis() counts them): when the host stops
    publishing, it stops advancing, which is how a component tells that the
    host is gone.
*/
class LauncherService : public tav::Object
{
public:
    LauncherService();
    ~LauncherService() override;

    juce::String getClassName() const override    { return "LauncherService"; }

    /** The registered class "LauncherService", or nullptr while startdeck's
        library is not loaded. */
    static const tav::Class* getStaticClass();

    //==============================================================================
    /** Replaces the copy of the host's status and the time it arrived. */
    void setServerInformation (const torvo::TorvoServerInformation& information, juce::int64 timeMilliseconds);

    /** Copies the host's status into destination and returns the time it
        arrived (0 while nothing has arrived). */
    juce::int64 copyServerInformation (torvo::TorvoServerInformation& destination) const;

    /** Hands the host's status and the time it arrived to reader under the
        service's lock, sparing a copy; reader must not call back into the
        service. */
    void readServerInformation (const std::function<void (const torvo::TorvoServerInformation&, juce::int64)>& reader) const;

    /** The time the host's status last arrived (0 while nothing has arrived). */
    juce::int64 getServerInformationTime() const;

private:
    mutable juce::CriticalSection informationLock;
    torvo::TorvoServerInformation serverInformation;
    juce::int64 serverInformationTime = 0;

    JUCE_DECLARE_NON_COPYABLE (LauncherService)
};

} // namespace launcher
