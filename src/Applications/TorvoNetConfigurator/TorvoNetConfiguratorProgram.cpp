#include "TorvoNetConfiguratorProgram.h"

#include "TorvoNetConfiguratorLibrary.h"

#include <tavcore/ClassOf.h>
#include <tavcore/Library.h>
#include <tavview/TavLibrary.h>
#include <torvo/TorvoVersion.h>

namespace gui::tav
{

TorvoNetConfiguratorProgram::TorvoNetConfiguratorProgram()
    : TorvoNetProgram ("Torvo Net Configurator", torvo::version::releaseLabel, torvo::version::versionMajor,
                       torvo::version::versionMinor, torvo::version::versionPatch, torvo::version::buildIdentifier),
      guiThread (this)
{
    setProcessEcoMode (true);
}

TorvoNetConfiguratorProgram::~TorvoNetConfiguratorProgram()
{
    guiThread.stopTavThread (0);
}

const ::tav::Class* TorvoNetConfiguratorProgram::getStaticClass()
{
    return ::tav::ClassOf<TorvoNetConfiguratorProgram>::instance;
}

juce::String TorvoNetConfiguratorProgram::getInstanceName()
{
    return juce::SystemStats::getEnvironmentVariable ("TORVO_NET_CONFIGURATOR_INSTANCE", "TorvoNetConfigurator");
}

void TorvoNetConfiguratorProgram::systemRequestedQuit (bool mayAskUser, std::function<void (bool)> completion)
{
    bool shouldQuit = true;
    const bool saved = guiThread.configuration.saveToLocalHostFileConfigurationIfNeeded();

    if (! saved && mayAskUser)
        shouldQuit = guiThread.getExecutionContext().askQuestion (saveFailedQuestion, "Yes", "No", nullptr, {});

    if (completion != nullptr)
    {
        completion (shouldQuit);
        completion = nullptr;
    }
}

void TorvoNetConfiguratorProgram::anotherInstanceStarted (const juce::String& commandLine)
{
    juce::ignoreUnused (commandLine);

    if (auto* window = guiThread.getMainWindow())
        window->setVisibleOnTopMost();
}

void TorvoNetConfiguratorProgram::addLibraries (::tav::Library& rootLibrary)
{
    TorvoNetProgram::addLibraries (rootLibrary);
    rootLibrary.addLibrary (createTavLibrary());
    rootLibrary.addLibrary (std::make_unique<TorvoNetConfiguratorLibrary> (juce::File (TORVO_NET_CONFIGURATOR_SOURCE_DIRECTORY)));
}

void TorvoNetConfiguratorProgram::removeLibraries (::tav::Library& rootLibrary)
{
    for (auto* name : { "TorvoNetConfigurator", "GuiTav" })
        rootLibrary.removeLibrary (name);

    TorvoNetProgram::removeLibraries (rootLibrary);
}

bool TorvoNetConfiguratorProgram::startProgram()
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

int TorvoNetConfiguratorProgram::programStopped()
{
    guiThread.stopTavThread (getConnectionManager().getMessageTimeoutInMs());
    singleInstance = nullptr;
    return TorvoNetProgram::programStopped();
}

} // namespace gui::tav
