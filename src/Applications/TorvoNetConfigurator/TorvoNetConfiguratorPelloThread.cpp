#include "TorvoNetConfiguratorPelloThread.h"

namespace gui::tav
{

TorvoNetConfiguratorPelloThread::TorvoNetConfiguratorPelloThread (::tav::Object* parentObject)
    : PelloThread ("TorvoNetConfigurator", parentObject)
{
    addMemberVariableObject (configuration, "configuration");
}

TorvoNetConfiguratorPelloThread::~TorvoNetConfiguratorPelloThread()
{
    stopTavThread (0);
}

TorvoNetConfiguratorPelloThread* TorvoNetConfiguratorPelloThread::get() noexcept
{
    return dynamic_cast<TorvoNetConfiguratorPelloThread*> (PelloThread::get());
}

bool TorvoNetConfiguratorPelloThread::tavThreadStarted()
{
    if (! PelloThread::tavThreadStarted())
        return false;

    configuration.setParent (this);
    const auto file = torvo::TorvoNetConfiguration::getTorvoNetConfigurationFile();

    // A failed load leaves the configuration as it was, which the window shows.
    if (file.exists() && ! configuration.loadFromLocalHostFileConfiguration())
        getExecutionContext().error (unreadableFileError);

    if (! createMainWindowsIfNeeded())
        return false;

    auto* window = getMainWindow();
    window->callInitializeWidget();
    window->setCenterToPrimaryDisplayBounds (mainWindowWidth, mainWindowHeight);
    return true;
}

} // namespace gui::tav
