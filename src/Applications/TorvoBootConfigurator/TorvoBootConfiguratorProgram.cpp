#include "TorvoBootConfiguratorProgram.h"

#include "TorvoBootConfiguratorLibrary.h"

#include <hostsys/OsLibrary.h>
#include <tavcore/ClassOf.h>
#include <tavcore/Library.h>
#include <tavview/TavLibrary.h>
#include <torvo/TorvoVersion.h>

namespace gui::tav
{

TorvoBootConfiguratorProgram::TorvoBootConfiguratorProgram()
    : Program ("Torvo Boot Configurator", torvo::version::releaseLabel, torvo::version::versionMajor,
               torvo::version::versionMinor, torvo::version::versionPatch, torvo::version::buildIdentifier),
      guiThread (this)
{
    setProcessEcoMode (true);
}

TorvoBootConfiguratorProgram::~TorvoBootConfiguratorProgram()
{
    guiThread.stopTavThread (0);
}

const ::tav::Class* TorvoBootConfiguratorProgram::getStaticClass()
{
    return ::tav::ClassOf<TorvoBootConfiguratorProgram>::instance;
}

juce::String TorvoBootConfiguratorProgram::getInstanceName()
{
    return juce::SystemStats::getEnvironmentVariable ("TORVO_BOOT_CONFIGURATOR_INSTANCE", "TorvoBootConfigurator");
}

void TorvoBootConfiguratorProgram::anotherInstanceStarted (const juce::String& commandLine)
{
    juce::ignoreUnused (commandLine);

    if (auto* window = guiThread.getMainWindow())
        window->setVisibleOnTopMost();
}

void TorvoBootConfiguratorProgram::addLibraries (::tav::Library& rootLibrary)
{
    rootLibrary.addLibrary (os::createOsLibrary());
    rootLibrary.addLibrary (createTavLibrary());
    rootLibrary.addLibrary (std::make_unique<TorvoBootConfiguratorLibrary> (juce::File (TORVO_BOOT_CONFIGURATOR_SOURCE_DIRECTORY)));
}

void TorvoBootConfiguratorProgram::removeLibraries (::tav::Library& rootLibrary)
{
    for (auto* name : { "TorvoBootConfigurator", "GuiTav", "Os" })
        rootLibrary.removeLibrary (name);
}

bool TorvoBootConfiguratorProgram::startProgram()
{
    singleInstance = SingleInstance::claim (getInstanceName(), [this] { anotherInstanceStarted ({}); });

    // A second start has told the first one; it ends without a window.
    if (singleInstance == nullptr)
    {
        quit (false);
        return true;
    }

    return guiThread.startTavThread (true);
}

int TorvoBootConfiguratorProgram::programStopped()
{
    guiThread.stopTavThread (getConnectionManager().getMessageTimeoutInMs());
    singleInstance = nullptr;
    return 0;
}

} // namespace gui::tav
