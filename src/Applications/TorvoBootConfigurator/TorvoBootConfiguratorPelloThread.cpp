#include "TorvoBootConfiguratorPelloThread.h"

#include "BootConfigurationFile.h"
#include "TorvoBootServiceName.h"

#include <hostsys/DaemonClient.h>

namespace gui::tav
{

namespace
{
    constexpr int mainWindowWidth = 960;
    constexpr int mainWindowHeight = 460;
}

TorvoBootConfiguratorPelloThread::TorvoBootConfiguratorPelloThread (::tav::Object* parentObject)
    : PelloThread ("TorvoBootConfigurator", parentObject)
{
    addMemberVariableObject (configuration, "configuration");
}

TorvoBootConfiguratorPelloThread::~TorvoBootConfiguratorPelloThread()
{
    stopTavThread (0);
}

TorvoBootConfiguratorPelloThread* TorvoBootConfiguratorPelloThread::get() noexcept
{
    return dynamic_cast<TorvoBootConfiguratorPelloThread*> (PelloThread::get());
}

bool TorvoBootConfiguratorPelloThread::tavThreadStarted()
{
    if (! PelloThread::tavThreadStarted())
        return false;

    configuration.setParent (this);
    const auto loaded = loadConfiguration();

    if (! createMainWindowsIfNeeded())
        return false;

    auto* window = getMainWindow();
    window->callInitializeWidget();
    window->setCenterToPrimaryDisplayBounds (mainWindowWidth, mainWindowHeight);

    if (loaded.failed())
        askWhetherToKeepStore (loaded.getErrorMessage());

    return true;
}

juce::Result TorvoBootConfiguratorPelloThread::loadConfiguration()
{
    const auto file = os::TorvoBootConfiguration::getConfigurationFile();

    // No store yet is no failure: the first save creates it.
    if (! file.existsAsFile())
        return juce::Result::ok();

    return loadBootConfiguration (configuration, file);
}

void TorvoBootConfiguratorPelloThread::askWhetherToKeepStore (const juce::String& failure)
{
    // With nobody to ask, the file stays as it is.
    storeKept = ! getExecutionContext().askQuestion (
        "The boot configuration could not be loaded. Replace it with the configuration shown here when you quit?",
        "Replace it when I quit", "Keep the file", {},
        failure + "\n\nThe file stays as it is until you choose; \"Save configuration and restart Torvo Boot\" "
                  "in the home menu replaces it at any time.");
}

void TorvoBootConfiguratorPelloThread::tavThreadStopped()
{
    saveAndRestartRunningService();
    PelloThread::tavThreadStopped();
}

void TorvoBootConfiguratorPelloThread::saveAndRestartRunningService()
{
    if (storeKept)
        return;

    configuration.saveToConfigurationFile();

    if (os::DaemonClient::isDaemonRunning (torvoBootServiceName) && os::DaemonClient::stopDaemon (torvoBootServiceName))
        os::DaemonClient::startDaemon (torvoBootServiceName);
}

} // namespace gui::tav
