#include "TorvoBootHomeMenuActions.h"

#include "BootConfigurationFile.h"
#include "TorvoBootConfiguratorPelloThread.h"
#include "TorvoBootHomeMenuButton.h"
#include "TorvoBootServiceName.h"

#include <hostsys/DaemonClient.h>
#include <hostsys/Process.h>
#include <hostsys/TorvoBootClient.h>
#include <tavcore/ObjectFile.h>
#include <tavcore/Thread.h>

namespace gui::tav
{

namespace
{
    constexpr const char* configurationFilePattern = "*.configuration";

    /** A file chosen in the system's dialog, or an empty File when cancelled. */
    juce::File chooseConfigurationFile (const juce::String& title, bool forSaving)
    {
        juce::FileChooser chooser (title, os::TorvoBootConfiguration::getConfigurationFile().getParentDirectory(),
                                   configurationFilePattern, true);

        if (forSaving ? ! chooser.browseForFileToSave (true) : ! chooser.browseForFileToOpen())
            return {};

        return chooser.getResult();
    }

    void sendToAllApplications (os::TorvoBootCommandIdEnum command)
    {
        os::TorvoBootClient::sendCommand (command, os::allApplicationsIndex);
    }

    void openEnvironmentVariables()
    {
        if (! os::Process::startSystemPreferenceProcess (os::SystemPreferenceProcess::systemEnvironmentVariables))
            ::tav::ExecutionContext::get().error (::tav::Thread::getOsErrorCodeString (::tav::Thread::getLastOsErrorCode (false)));
    }

    void quitProgram()
    {
        // The orderly quit: the GUI stop then saves and restarts a running
        // service (the framework's immediate quit would end the process first).
        if (auto* thread = PelloThread::get())
            if (auto* program = thread->getProgram())
                program->quit (false);
    }
}

bool loadConfigurationAndRestartService (const juce::File& file)
{
    auto* thread = TorvoBootConfiguratorPelloThread::get();

    if (thread == nullptr)
        return false;

    if (const auto r = loadBootConfiguration (thread->configuration, file); r.failed())
    {
        ::tav::ExecutionContext::get().error (r.getErrorMessage());
        return false;
    }

    thread->configurationAndStoreAgree();
    thread->configuration.saveToConfigurationFile();
    restartService();
    return true;
}

void saveConfigurationAndRestartService()
{
    auto* thread = TorvoBootConfiguratorPelloThread::get();

    if (thread == nullptr)
        return;

    thread->configurationAndStoreAgree();
    thread->configuration.saveToConfigurationFile();
    restartService();
}

bool saveConfigurationAs (const juce::File& file)
{
    auto* thread = TorvoBootConfiguratorPelloThread::get();

    if (thread == nullptr)
        return false;

    const auto r = ::tav::ObjectFile::save (thread->configuration, file, os::TorvoBootConfiguration::getFileHeaderComment());

    if (r.failed())
        ::tav::ExecutionContext::get().error (r.getErrorMessage());

    return r.wasOk();
}

void revealServiceLog()
{
    const auto home = os::Process::getSystemUserDirectory();

    if (home == juce::File())
        return;

    const auto logs = getServiceLogFolder (home);
    auto files = logs.findChildFiles (juce::File::findFiles, false, "*");
    os::Process::revealToUser (files.isEmpty() ? logs : files.getFirst());
}

void restartService()
{
    if (os::DaemonClient::stopDaemon (torvoBootServiceName))
        os::DaemonClient::startDaemon (torvoBootServiceName);
}

void performHomeMenuAction (int itemId)
{
    using Id = TorvoBootHomeMenuButton::MenuItemId;

    switch (itemId)
    {
        case Id::loadAndRestart:
            if (const auto file = chooseConfigurationFile ("Load Torvo Boot configuration", false); file != juce::File())
                loadConfigurationAndRestartService (file);
            break;

        case Id::saveAndRestart:                saveConfigurationAndRestartService(); break;

        case Id::saveAs:
            if (const auto file = chooseConfigurationFile ("Save Torvo Boot configuration as", true); file != juce::File())
                saveConfigurationAs (file);
            break;

        case Id::revealConfiguration:           os::Process::revealToUser (os::TorvoBootConfiguration::getConfigurationFile()); break;
        case Id::revealLog:                     revealServiceLog(); break;
        case Id::startAllApplications:          sendToAllApplications (os::startApplication); break;
        case Id::prepareToStopAllApplications:  sendToAllApplications (os::prepareVoluntaryStop); break;
        case Id::killAllApplications:           sendToAllApplications (os::killApplication); break;
        case Id::startService:                  os::DaemonClient::startDaemon (torvoBootServiceName); break;
        case Id::stopService:                   os::DaemonClient::stopDaemon (torvoBootServiceName); break;
        case Id::restartService:                restartService(); break;
        case Id::revealServiceExecutable:       os::Process::revealToUser (os::Process::getExecutableFileNextToCurrentOne (torvoBootServiceName)); break;
        case Id::editEnvironmentVariables:      openEnvironmentVariables(); break;
        case Id::exitProgram:                   quitProgram(); break;
        default:                                break;
    }
}

} // namespace gui::tav
