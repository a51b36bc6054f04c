#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/** What the monitor knows at run time about one managed application. */
struct ManagedApplicationState
{
    juce::uint64 processId = 0;         /**< the watched process; 0 = none */
    double relaunchPendingSince = 0;    /**< ms from which the relaunch delay counts; 0 = none pending */
    juce::uint64 failedLaunchCount = 0; /**< consecutive failed launches */
    bool restartSuppressed = false;     /**< not (re)launched automatically; an exit is expected */
};

static_assert (sizeof (ManagedApplicationState) == 32, "one compact record per application");
