#pragma once

#include <startdeck/LauncherComponent.h>

namespace standin
{

//==============================================================================
/**
    A launcher component that shows nothing but tells the launcher's console
    every call it gets and what it sees: the host's memory line whenever a
    newer record reaches its service, and whether the host counts as running,
    which it stops doing 3 s after the last record, as a front panel's rule is.
*/
class StandInLauncherComponent : public launcher::LauncherComponent
{
public:
    StandInLauncherComponent();
    ~StandInLauncherComponent() override;

    juce::String getClassName() const override    { return "StandInLauncherComponent"; }
    bool startDisplay() override;
    void stopDisplay() override;
    void refreshInformation() override;

private:
    void tell (const juce::String& text);
    void takeInformation (launcher::LauncherService& service);
    void tellWhetherServerRuns (juce::int64 informationTime);

    juce::int64 shownTime = 0;
    int shownRunning = -1;
    bool toldNoService = false;
    bool refreshed = false;
};

} // namespace standin
