#include "TorvoHostProgram.h"
#include <pixcore/PixcoreLibrary.h>
#include <torvocore/TorvoCoreLibrary.h>
#include <tavcore/Library.h>
#include <tavcore/StandardOutputExecutionContextView.h>
#include <torvo/TorvoVersion.h>

namespace
{
    constexpr double framesPerSecond = 60.0;
}

TorvoHostProgram::TorvoHostProgram()
    : Program ("Torvo", torvo::version::releaseLabel, torvo::version::versionMajor, torvo::version::versionMinor,
               torvo::version::versionPatch, torvo::version::buildIdentifier)
{
}

TorvoHostProgram::~TorvoHostProgram()
{
    unloadAll();
}

void TorvoHostProgram::addLibraries (tav::Library& rootLibrary)
{
    rootLibrary.addLibrary (graphics::createPixcoreLibrary());
    rootLibrary.addLibrary (torvo::createTorvoCoreLibrary());
}

void TorvoHostProgram::removeLibraries (tav::Library& rootLibrary)
{
    unloadAll();
    rootLibrary.removeLibrary ("TorvoCore");
    rootLibrary.removeLibrary ("Pixcore");
}

//==============================================================================
bool TorvoHostProgram::startProgram()
{
    auto& context = getExecutionContext();
    context.addView (std::make_unique<tav::StandardOutputExecutionContextView>());

    const auto commandLine = HostCommandLine::parse (juce::JUCEApplicationBase::getCommandLineParameterArray());

    if (reportCommandLine (commandLine))
    {
        quit (false);
        return true;
    }

    context.information (getVersion().toString());
    activateConsoleStopHandler (true);

    if (! preparePicture (commandLine) || ! loadPlugins (commandLine))
        return false;

    runFrames();
    unloadAll();
    context.information ("Torvo stopped");
    juce::JUCEApplicationBase::quit();
    return true;
}

int TorvoHostProgram::programStopped()
{
    unloadAll();
    return exitCode;
}

//==============================================================================
bool TorvoHostProgram::reportCommandLine (const HostCommandLine& commandLine)
{
    if (! commandLine.showHelp && commandLine.isUsable())
        return false;

    auto& context = getExecutionContext();

    for (auto& option : commandLine.unknownOptions)
        context.error ("Unknown option: " + option);

    for (auto& error : commandLine.errors)
        context.error (error);

    for (auto& line : HostCommandLine::getUsageLines())
        context.information (line);

    exitCode = commandLine.isUsable() ? 0 : 1;
    return true;
}

bool TorvoHostProgram::preparePicture (const HostCommandLine& commandLine)
{
    auto& context = getExecutionContext();
    picture = std::make_unique<HostPicture> (commandLine);
    const auto loaded = picture->load();

    if (loaded.failed())
    {
        context.error (loaded.getErrorMessage());
        return false;
    }

    context.information ("Image: " + picture->describeSource());

    // Until the colour element renders, the frame written is the image as read.
    const auto written = picture->writeOutput (picture->getSource());

    if (written.failed())
    {
        context.error (written.getErrorMessage());
        return false;
    }

    if (commandLine.output != juce::File())
        context.information ("Wrote " + commandLine.output.getFullPathName());

    return true;
}

bool TorvoHostProgram::loadPlugins (const HostCommandLine& commandLine)
{
    auto files = commandLine.plugins;

    if (files.isEmpty())
    {
        const auto folder = getProgramDirectory ("../plugins");
        const auto pattern = "*" + torvo::LoadedPlugin::getFileNameExtension();
        files = folder.findChildFiles (juce::File::findFiles, false, pattern);
        files.sort();

        if (files.isEmpty())
            getExecutionContext().warning ("No plug-ins in " + folder.getFullPathName());
    }

    devices = std::make_unique<HostDevices> (getExecutionContext());

    for (auto& file : files)
        if (! loadPlugin (file) && ! commandLine.plugins.isEmpty())
            return false;

    return true;
}

bool TorvoHostProgram::loadPlugin (const juce::File& file)
{
    juce::String errorText;
    auto plugin = torvo::LoadedPlugin::load (file, errorText);

    if (plugin == nullptr)
    {
        getExecutionContext().error (errorText);
        return false;
    }

    auto& library = plugin->getLibrary();
    getExecutionContext().information ("Loaded plug-in " + library.getName() + " (" + library.getSoftwareVersion().getReleaseLabel()
                                       + ") from " + file.getFullPathName());
    plugins.push_back (std::move (plugin));
    devices->createDevicesOf (library);
    return true;
}

void TorvoHostProgram::runFrames()
{
    const auto start = juce::Time::getMillisecondCounterHiRes();
    torvo::FrameInformation frame;

    while (! isCurrentlyStopping())
    {
        frame.timeInSeconds = (juce::Time::getMillisecondCounterHiRes() - start) / 1000.0;
        devices->updateFrame (frame);
        ++frame.frameNumber;

        // Paced from the start, so that late frames do not add up.
        const auto due = start + (double) frame.frameNumber * 1000.0 / framesPerSecond;
        const auto now = juce::Time::getMillisecondCounterHiRes();

        if (due > now)
            juce::Thread::sleep ((int) (due - now) + 1);
    }
}

void TorvoHostProgram::unloadAll()
{
    // Devices first: their code lives in the plug-ins.
    if (devices != nullptr)
        devices->destroyAll();

    devices.reset();

    while (! plugins.empty())
        plugins.pop_back();
}
