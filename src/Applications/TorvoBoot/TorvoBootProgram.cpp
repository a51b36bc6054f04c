#include "TorvoBootProgram.h"
#include "BootServiceUninstaller.h"
#include "ServiceControl.h"
#include "TorvoBootCommandLine.h"
#include "TorvoBootLibrary.h"
#include <hostsys/DaemonClient.h>
#include <hostsys/OsLibrary.h>
#include <hostsys/TorvoBootClient.h>
#include <hostsys/TorvoBootCommandId.h>
#include <hostsys/TorvoBootConfiguration.h>
#include <tavcore/DynamicallyLinkedLibrary.h>
#include <tavcore/FileExecutionContextView.h>
#include <tavcore/Library.h>
#include <torvo/TorvoVersion.h>
#include <tavcore/StandardOutputExecutionContextView.h>

TorvoBootProgram::TorvoBootProgram()
    : Program ("Torvo Boot", torvo::version::releaseLabel, torvo::version::versionMajor, torvo::version::versionMinor,
               torvo::version::versionPatch, torvo::version::buildIdentifier),
      serviceThread ("boot", this)
{
    setProcessEcoMode (true);
}

TorvoBootProgram::~TorvoBootProgram() = default;

void TorvoBootProgram::getWellKnownBinaries (std::vector<juce::File>& binaries) const
{
    using Binary = tav::DynamicallyLinkedLibrary;
    binaries.clear();

    for (auto* name : { "Juce", "TavPack", "tavview", "hostsys", "tavcore" })
        binaries.push_back (getProgramDirectory ("").getChildFile (Binary::getFullNameFromReducedName (name, Binary::sharedLibrary, true)));

    binaries.push_back (getProgramDirectory ("").getChildFile (Binary::getFullNameFromReducedName ("TorvoBoot", Binary::executable, true)));
}

void TorvoBootProgram::addLibraries (tav::Library& rootLibrary)
{
    rootLibrary.addLibrary (os::createOsLibrary());
    rootLibrary.addLibrary (std::make_unique<TorvoBootLibrary> (juce::File (TORVO_BOOT_SOURCE_DIRECTORY)));
}

void TorvoBootProgram::removeLibraries (tav::Library& rootLibrary)
{
    rootLibrary.removeLibrary ("TorvoBoot");
    rootLibrary.removeLibrary ("Os");
}

//==============================================================================
bool TorvoBootProgram::startProgram()
{
    auto& context = getExecutionContext();
    context.addView (std::make_unique<tav::StandardOutputExecutionContextView>());
    context.information (getVersion().toString());

    const auto arguments = getCommandLineArgumentsAndValues ("=");

    if (arguments.empty())
    {
        for (auto& line : TorvoBootCommandLine::getUsageLines (getVersion().getName()))
            context.information (line);
    }
    else
    {
        context.information ("Command line: " + juce::JUCEApplicationBase::getCommandLineParameterArray().joinIntoString (" "));
    }

    const auto commandLine = TorvoBootCommandLine::parse (arguments);

    switch (commandLine.action)
    {
        case TorvoBootCommandLine::Action::install:      install(); break;
        case TorvoBootCommandLine::Action::uninstall:    uninstall(); break;
        case TorvoBootCommandLine::Action::sendCommand:  sendCommand (commandLine); break;
        case TorvoBootCommandLine::Action::runMonitor:
        default:                                         return runMonitor();
    }

    quit (false);
    return true;
}

int TorvoBootProgram::programStopped()
{
    stopServiceThread();
    return exitCode;
}

//==============================================================================
void TorvoBootProgram::install()
{
    auto& context = getExecutionContext();

    if (os::DaemonClient::installDaemon ("TorvoBoot", "Torvo Boot",
                                        "Starts and monitors configured applications when a user logs on to the system."))
    {
        context.information ("TorvoBoot daemon installed successfully");

        // The service may start programs with the system's rights: only
        // administrators may say which.
        if (! os::TorvoBootConfiguration::protectConfigurationFolder())
            exitCode = 1;
    }
    else
    {
        context.error ("Failed to install TorvoBoot daemon");
        exitCode = 1;
    }
}

void TorvoBootProgram::uninstall()
{
    if (! uninstallBootService (getExecutionContext()))
        exitCode = 1;
}

void TorvoBootProgram::sendCommand (const TorvoBootCommandLine& commandLine)
{
    const auto& commandName = commandLine.commandName;
    os::TorvoBootCommandId id (os::noTorvoBootCommand);

    if (const auto* enumerationClass = id.getEnumerationClass())
        if (const auto* enumerator = enumerationClass->findEnumeratorByName (commandName))
            id.set (enumerator->value, tav::ChangeCallback::notify());

    if (id.get() == os::noTorvoBootCommand)
    {
        getExecutionContext().error ("Unknown command: " + commandName);
        exitCode = 1;
        return;
    }

    if (commandLine.applicationIndexError.isNotEmpty())
    {
        getExecutionContext().error (commandLine.applicationIndexError);
        exitCode = 1;
        return;
    }

    if (! os::TorvoBootClient::sendCommand (id.getCommand(), commandLine.applicationIndex))
        exitCode = 1;
}

//==============================================================================
bool TorvoBootProgram::runMonitor()
{
    if (runServiceDispatcher (this))
    {
        // The service has stopped, whatever stopped it: the program ends too.
        quit (false);
        return true;
    }

    return runInteractively();
}

bool TorvoBootProgram::runInteractively()
{
    adoptOwnSession();
    serviceThread.getExecutionContext().addView (std::make_unique<tav::StandardOutputExecutionContextView>());

    if (! serviceThread.startTavThread (true))
    {
        getExecutionContext().error ("Failed to start boot service thread");
        return false;
    }

    getExecutionContext().information ("running interactively (not registered as a daemon), press Ctrl+C to exit");
    activateConsoleStopHandler (true);
    openInteractiveCommandChannel (getExecutionContext());

    // The main thread drives the monitor's updates.
    while (! isCurrentlyStopping())
        serviceThread.callThreadUpdate (true);

    closeInteractiveCommandChannel();
    juce::JUCEApplicationBase::quit();
    return true;
}

bool TorvoBootProgram::startServiceThread()
{
    serviceThread.getExecutionContext().addView (std::make_unique<tav::StandardOutputExecutionContextView>());
    return serviceThread.startTavThread (false);
}

void TorvoBootProgram::stopServiceThread()
{
    if (serviceThread.isRunning())
        serviceThread.stopTavThread (getConnectionManager().getMessageTimeoutInMs());
}

void TorvoBootProgram::attachServiceLog()
{
    const auto logFile = getServiceLogFile();
    getExecutionContext().addView (std::make_unique<tav::FileExecutionContextView> (logFile));
    serviceThread.getExecutionContext().addView (std::make_unique<tav::FileExecutionContextView> (logFile));
}

juce::File TorvoBootProgram::getServiceLogFile()
{
    return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
        .getChildFile ("Torvo Boot").getChildFile ("logs").getChildFile ("TorvoBoot.log");
}
