#include "BootServiceUninstaller.h"
#include <hostsys/DaemonClient.h>
#include <hostsys/Process.h>
#include <hostsys/TorvoBootClient.h>
#include <tavcore/DynamicallyLinkedLibrary.h>

namespace
{
    void stopRunningService (tav::ExecutionContext& context)
    {
        if (! os::DaemonClient::isDaemonRunning ("TorvoBoot"))
            return;

        if (! os::TorvoBootClient::sendCommand (os::prepareVoluntaryStop, os::allApplicationsIndex))
            context.warning ("Unable to send vunlontary stop command");

        if (! os::TorvoBootClient::sendCommand (os::killApplication, os::allApplicationsIndex))
            context.warning ("Unable to send kill command");

        if (! os::DaemonClient::stopDaemon ("TorvoBoot"))
            context.warning ("Unable to stop daemon");
    }

    std::set<juce::uint64> findSuiteProcesses()
    {
        std::set<juce::uint64> processIds;
        const auto options = os::Process::Options().withExceptThisProcess (true).withIgnoreDebugPostfix (true);

        for (auto* name : { "Torvo", "TorvoLauncher", "TorvoNetConfigurator", "TorvoBootConfigurator", "TorvoBoot" })
        {
            const auto fileName = juce::String (name)
                                + tav::DynamicallyLinkedLibrary::getFileNameExtension (tav::DynamicallyLinkedLibrary::executable, true);

            for (auto id : os::Process::findRunningProcessIds (fileName, options))
                processIds.insert (id);
        }

        return processIds;
    }
}

bool uninstallBootService (tav::ExecutionContext& context)
{
    stopRunningService (context);

    // Stray instances are ended whether or not the service was running.
    if (! os::Process::killAllInstances (findSuiteProcesses()))
        context.error ("Failed kill all requiered process");

    if (os::DaemonClient::uninstallDaemon ("TorvoBoot"))
    {
        context.information ("TorvoBoot daemon uninstalled successfully");
        return true;
    }

    context.error ("Failed to uninstall TorvoBoot daemon");
    return false;
}
