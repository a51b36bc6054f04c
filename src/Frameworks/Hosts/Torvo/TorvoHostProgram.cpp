#include "TorvoHostProgram.h"
#include "PreviewDisplay.h"
#include <pixcore/PixcoreLibrary.h>
#include <torvocore/TorvoCoreLibrary.h>
#include <tavcore/Library.h>
#include <tavcore/StandardOutputExecutionContextView.h>
#include <torvo/TorvoVersion.h>

namespace
{
    constexpr double framesPerSecond = 60.0;
}

//==============================================================================
/** Runs the preview's frames on the message thread, until the host is asked
    to stop or the window is closed. */
class TorvoHostProgram::FrameTimer : private juce::Timer
{
public:
    explicit FrameTimer (TorvoHostProgram& programToRun) : program (programToRun)
    {
        startTimerHz ((int) framesPerSecond);
    }

    ~FrameTimer() override    { stopTimer(); }

private:
    TorvoHostProgram& program;
    const double start = juce::Time::getMillisecondCounterHiRes();
    torvo::FrameInformation frame;

    void timerCallback() override
    {
        if (program.isCurrentlyStopping() || ! program.preview->isOpen())
        {
            // finish() deletes this timer, which JUCE allows from its own callback.
            stopTimer();
            program.finish();
            return;
        }

        frame.timeInSeconds = (juce::Time::getMillisecondCounterHiRes() - start) / 1000.0;
        program.updatePreviewFrame (frame);
        ++frame.frameNumber;
    }
};

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
    readNetworkConfiguration (commandLine);

    if (! preparePicture (commandLine) || ! loadPlugins (commandLine))
        return false;

    prepareGraphics();
    addGrades (commandLine);
    renderingGamma = commandLine.renderingGamma;

    if (! startStatusAndTool (commandLine))
        return false;

    if (commandLine.preview && startPreview (commandLine))
        return true;

    runFrames();
    finish();
    return true;
}

void TorvoHostProgram::finish()
{
    unloadAll();
    getExecutionContext().information ("Torvo stopped");
    juce::JUCEApplicationBase::quit();
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

void TorvoHostProgram::readNetworkConfiguration (const HostCommandLine& commandLine)
{
    auto& context = getExecutionContext();
    network.loadAtProgramStart (context);

    if (commandLine.statusPort.has_value())
        network.statusPort.set ((juce::uint64) *commandLine.statusPort, tav::ChangeCallback::none());

    context.information ("Machine name: " + network.getEffectiveMachineName());
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
    return true;
}

void TorvoHostProgram::prepareGraphics()
{
    auto& context = getExecutionContext();
    renderer = std::make_unique<HostRenderer>();
    renderer->setInput (picture->getSource());
    auto* graphicsContext = renderer->getGraphics();
    devices->getEngine().setGraphics (graphicsContext);

    if (graphicsContext == nullptr)
    {
        // The devices go on serving their clients; only the image is not graded.
        context.error ("No graphics: " + renderer->getGraphicsOutcome().getErrorMessage() + "; grades are not rendered");
        return;
    }

    context.information ("Graphics: " + graphicsContext->getRendererDescription());

    for (auto& plugin : plugins)
        if (! plugin->getLibrary().initializeGraphicsPlugin())
            context.error ("Plug-in " + plugin->getLibrary().getName() + " could not set up its graphics");
}

void TorvoHostProgram::addGrades (const HostCommandLine& commandLine)
{
    grades = std::make_unique<HostGrades> (getExecutionContext(), devices->getEngine());

    for (auto& channel : commandLine.grades)
        grades->addGrade (channel);
}

bool TorvoHostProgram::startStatusAndTool (const HostCommandLine& commandLine)
{
    auto& context = getExecutionContext();
    status = std::make_unique<HostStatus> (context, devices->getEngine(), commandLine, network, framesPerSecond);
    context.information ("Publishing the status once per second to " + network.statusAddress.get() + " port "
                         + juce::String (network.statusPort.getPort()));

    if (commandLine.tool.isEmpty())
        return true;

    // The tool's first refresh finds a filled record rather than an empty one.
    status->refresh (renderer->getGraphics());
    juce::String errorText;
    tool = HostTool::start (commandLine.tool, devices->getEngine(), errorText);

    if (tool == nullptr)
    {
        context.error (errorText);
        return false;
    }

    context.information ("Tool " + commandLine.tool + " started");
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
        updateFrame (frame);
        ++frame.frameNumber;

        // Paced from the start, so that late frames do not add up.
        const auto due = start + (double) frame.frameNumber * 1000.0 / framesPerSecond;
        const auto now = juce::Time::getMillisecondCounterHiRes();

        if (due > now)
            juce::Thread::sleep ((int) (due - now) + 1);
    }
}

bool TorvoHostProgram::updateFrame (const torvo::FrameInformation& frame)
{
    devices->updateFrame (frame);
    const auto rendered = renderer->renderIfChanged (grades->getElements(), frame, renderingGamma);

    if (rendered)
    {
        const auto written = picture->writeOutput (renderer->getResult());

        if (written.failed())
            getExecutionContext().error (written.getErrorMessage());
        else if (picture->hasOutput())
            getExecutionContext().information ("Wrote " + picture->getOutputFile().getFullPathName());
    }

    grades->printStatusesIfChanged();
    status->frameDone (renderer->getGraphics());

    if (tool != nullptr)
        tool->update (frame);

    return rendered;
}

//==============================================================================
bool TorvoHostProgram::startPreview (const HostCommandLine& commandLine)
{
    juce::String reason;

    if (! previewdisplay::isAvailable (reason))
    {
        // The host is still of use without its window: it grades and writes --output.
        getExecutionContext().error ("No preview: " + reason + "; running without the window");
        return false;
    }

    preview = std::make_unique<HostPreview> (commandLine.previewSnapshot);
    getExecutionContext().information ("Preview window open");
    frameTimer = std::make_unique<FrameTimer> (*this);
    return true;
}

void TorvoHostProgram::updatePreviewFrame (const torvo::FrameInformation& frame)
{
    const auto rendered = updateFrame (frame);
    const auto lines = grades->getStatusLines();

    if (rendered || lines != shownStatusLines || frame.frameNumber == 0)
    {
        preview->show (rendered ? renderer->getResult() : graphics::reference::FloatImage(), lines);
        shownStatusLines = lines;
    }
}

void TorvoHostProgram::unloadAll()
{
    frameTimer.reset();
    preview.reset();

    // The tool reads the status component, and both live in the engine.
    tool.reset();
    status.reset();

    // Elements, then graphics, then devices: the elements render with the
    // context and follow the devices, and all their code lives in the plug-ins.
    if (grades != nullptr)
        grades->unloadAll();

    grades.reset();

    if (renderer != nullptr && renderer->getGraphics() != nullptr)
        for (auto& plugin : plugins)
            plugin->getLibrary().deinitializeGraphicsPlugin();

    if (devices != nullptr)
        devices->getEngine().setGraphics (nullptr);

    renderer.reset();

    if (devices != nullptr)
        devices->destroyAll();

    devices.reset();

    while (! plugins.empty())
        plugins.pop_back();
}
