#pragma once

#include <tavcore/Boolean.h>
#include <tavcore/PositiveInteger.h>
#include <tavcore/Real.h>
#include <tavcore/String.h>

namespace os
{

//==============================================================================
/**
    One application that TorvoBoot starts in the logged-on user's session
    and watches. The service reads these values afresh at every use and
    never writes them; the configurator edits them.
*/
class ManagedApplication : public tav::Object
{
public:
    static constexpr const char* className = "ManagedApplication";

    ManagedApplication();

    juce::String getClassName() const override    { return className; }

    tav::String executablePath;         /**< program to run; environment variables are expanded */
    tav::String arguments;              /**< command-line arguments; expanded too */
    tav::Boolean launchAtLogon;         /**< launched when a user logs on */
    tav::Boolean autoRestart;           /**< relaunched after an unexpected exit */
    tav::Boolean enabled;               /**< false: the service leaves it alone */
    tav::Boolean showConsole;           /**< gets a console window of its own */
    tav::Boolean launchInUserSession;   /**< started in the user's session rather than as the service's child */
    tav::Boolean ignoreDebugPostfix;    /**< "Name_d" counts as "Name" when looking for it */
    tav::Real restartDelay;             /**< seconds before a relaunch, times the failed attempts */
    tav::PositiveInteger maximumLaunchAttempts; /**< consecutive failures before giving up */
    tav::String workingDirectory;       /**< the process's working directory; expanded */
    tav::String colorLabel;             /**< the configurator's colour label of its row (hex ARGB, empty for none) */
};

} // namespace os
