#include "TorvoLauncherProgram.h"
#include <pixcore/PixcoreLibrary.h>
#include <startdeck/StartdeckLibrary.h>
#include <tavcore/Library.h>
#include <tavcore/StandardOutputExecutionContextView.h>
#include <torvo/TorvoVersion.h>
#include <torvocore/LoadedPlugin.h>
#include <torvocore/TorvoCoreLibrary.h>

namespace
{
    /** Often enough that a display follows the host's status within a frame
        or two of its own, seldom enough that an idle launcher costs nothing. */
    constexpr int refreshPeriodMs = 100;
}

TorvoLauncherProgram::TorvoLauncherProgram()
    : Program ("TorvoLauncher", torvo::version::releaseLabel, torvo::version::versionMajor, torvo::version::versionMinor,
               torvo::version::versionPatch, torvo::version::buildIdentifier)
{
}

TorvoLauncherProgram::~TorvoLauncherProgram()
{
    unloadAll();
}

void TorvoLauncherProgram::addLibraries (tav::Library& rootLibrary)
{
    rootLibrary.addLibrary (graphics::createPixcoreLibrary());
    rootLibrary.addLibrary (torvo::createTorvoCoreLibrary());
    rootLibrary.addLibrary (launcher::createStartdeckLibrary());
}

void TorvoLauncherProgram::removeLibraries (tav::Library& rootLibrary)
{
    unloadAll();
    rootLibrary.removeLibrary ("Startdeck");
    rootLibrary.removeLibrary ("TorvoCore");
    rootLibrary.removeLibrary ("Pixcore");
}

//==============================================================================
bool TorvoLauncherProgram::startProgram()
{
    auto& context = getExecutionContext();
    context.addView (std::make_unique<tav::StandardOutputExecutionContextView>());

    const auto commandLine = LauncherCommandLine::parse (juce::JUCEApplicationBase::getCommandLineParameterArray());

    if (reportCommandLine (commandLine))
    {
        quit (false);
        return true;
    }

    context.information (getVersion().toString());
    activateConsoleStopHandler (true);
    service = std::make_unique<launcher::LauncherService>();

    if (! startStatusFeed (commandLine) || ! loadPlugins (commandLine))
    {
        unloadAll();
        return false;
    }

    components = std::make_unique<LauncherComponents> (context, *service);

    if (components->createAndStart() == 0)
        context.information ("No launcher components: the launcher runs with nothing to show");

    runUpdates();
    unloadAll();
    context.information ("TorvoLauncher stopped");
    juce::JUCEApplicationBase::quit();
    return true;
}

int TorvoLauncherProgram::programStopped()
{
    unloadAll();
    return exitCode;
}

//==============================================================================
bool TorvoLauncherProgram::reportCommandLine (const LauncherCommandLine& commandLine)
{
    if (! commandLine.showHelp && commandLine.isUsable())
        return false;

    auto& context = getExecutionContext();

    for (auto& option : commandLine.unknownOptions)
        context.error ("Unknown option: " + option);

    for (auto& error : commandLine.errors)
        context.error (error);

    for (auto& line : LauncherCommandLine::getUsageLines())
        context.information (line);

    exitCode = commandLine.isUsable() ? 0 : 1;
    return true;
}

bool TorvoLauncherProgram::startStatusFeed (const LauncherCommandLine& commandLine)
{
    auto& context = getExecutionContext();
    network.loadAtProgramStart (context);

    if (commandLine.statusPort.has_value())
        network.statusPort.set ((juce::uint64) *commandLine.statusPort, tav::ChangeCallback::none());

    const auto address = network.statusAddress.get();
    const auto port = network.statusPort.getPort();
    context.information ("Machine name: " + network.getEffectiveMachineName());
    statusFeed = std::make_unique<LauncherStatusFeed> (*service);
    const auto started = statusFeed->start (address, port);

    if (started.failed())
    {
        context.error ("Cannot listen for Torvo's status on port " + juce::String (port) + ": " + started.getErrorMessage());
        return false;
    }

    context.information ("Listening for Torvo's status on " + address + " port " + juce::String (port));
    return true;
}

bool TorvoLauncherProgram::loadPlugins (const LauncherCommandLine& commandLine)
{
    auto files = commandLine.plugins;

    if (files.isEmpty())
    {
        const auto folder = getProgramDirectory ("../plugins");
        const auto pattern = "*" + torvo::LoadedPlugin::getFileNameExtension();
        files = folder.findChildFiles (juce::File::findFiles, false, pattern);
        files.sort();

        if (files.isEmpty())
            getExecutionContext().information ("No plug-ins in " + folder.getFullPathName());
    }

    // A plug-in named on the command line must load; one found in the folder
    // may be a host plug-in, or broken, without stopping the others.
    for (auto& file : files)
        if (! loadPlugin (file, ! commandLine.plugins.isEmpty()))
            return false;

    return true;
}

bool TorvoLauncherProgram::loadPlugin (const juce::File& file, bool named)
{
    auto loaded = LauncherPlugin::load (file);
    auto& context = getExecutionContext();

    if (loaded.plugin == nullptr)
    {
        if (loaded.isNoLauncherPlugin)
            context.information ("Skipped " + loaded.errorText);
        else
            context.error (loaded.errorText);

        return loaded.isNoLauncherPlugin || ! named;
    }

    auto& library = loaded.plugin->getLibrary();
    context.information ("Loaded launcher plug-in " + library.getName() + " (" + library.getSoftwareVersion().getReleaseLabel()
                         + ") from " + file.getFullPathName());
    plugins.push_back (std::move (loaded.plugin));
    return true;
}

void TorvoLauncherProgram::runUpdates()
{
    const auto start = juce::Time::getMillisecondCounterHiRes();

    for (juce::int64 update = 1; ! isCurrentlyStopping(); ++update)
    {
        statusFeed->update();
        components->refreshAll();

        // Paced from the start, so that late updates do not add up.
        const auto due = start + (double) update * refreshPeriodMs;
        const auto now = juce::Time::getMillisecondCounterHiRes();

        if (due > now)
            juce::Thread::sleep ((int) (due - now) + 1);
    }
}

void TorvoLauncherProgram::unloadAll()
{
    // Displays stop and components go before the plug-ins that hold their code.
    components.reset();

    if (statusFeed != nullptr)
        statusFeed->stop();

    statusFeed.reset();

    while (! plugins.empty())
        plugins.pop_back();

    service.reset();
}
