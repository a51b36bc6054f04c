#pragma once

#include "HostCommandLine.h"
#include "HostDevices.h"
#include "HostGrades.h"
#include "HostPicture.h"
#include "HostPreview.h"
#include "HostRenderer.h"
#include "HostStatus.h"
#include "HostTool.h"
#include <tavcore/Program.h>
#include <torvocore/TorvoNetConfiguration.h>

//==============================================================================
/**
    The host application: loads plug-ins, runs one device per device factory,
    adds the grading elements and, at 60 frames per second until it is asked
    to stop, updates the devices, renders the image through the elements
    when something changed and writes each new result to the output file.
    Once per second it refreshes its status record and publishes it to the
    launcher; a tool asked for on the command line runs beside the frames.
    Where the record goes and the machine's name in it come from the
    network configuration, read at the start; --status-port overrides it.

    Without --preview the frames run in a loop of their own on the main
    thread and no message loop (nor display) is needed; with it, they run
    from a timer of the message loop, which also drives the preview window.
*/
class TorvoHostProgram : public tav::Program
{
public:
    TorvoHostProgram();
    ~TorvoHostProgram() override;

    juce::String getClassName() const override    { return "TorvoHostProgram"; }
    bool isGuiProgram() const override            { return false; }
    bool startProgram() override;
    int programStopped() override;

protected:
    void addLibraries (tav::Library& rootLibrary) override;
    void removeLibraries (tav::Library& rootLibrary) override;

private:
    bool reportCommandLine (const HostCommandLine& commandLine);
    void readNetworkConfiguration (const HostCommandLine& commandLine);
    bool preparePicture (const HostCommandLine& commandLine);
    bool loadPlugins (const HostCommandLine& commandLine);
    bool loadPlugin (const juce::File& file);
    void prepareGraphics();
    void addGrades (const HostCommandLine& commandLine);
    bool startStatusAndTool (const HostCommandLine& commandLine);
    void runFrames();
    bool updateFrame (const torvo::FrameInformation& frame);
    bool startPreview (const HostCommandLine& commandLine);
    void updatePreviewFrame (const torvo::FrameInformation& frame);
    void finish();
    void unloadAll();

    std::vector<std::unique_ptr<torvo::LoadedPlugin>> plugins;
    std::unique_ptr<HostDevices> devices;
    std::unique_ptr<HostPicture> picture;
    std::unique_ptr<HostRenderer> renderer;
    std::unique_ptr<HostGrades> grades;
    std::unique_ptr<HostStatus> status;
    std::unique_ptr<HostTool> tool;
    torvo::TorvoNetConfiguration network;

    class FrameTimer;
    std::unique_ptr<HostPreview> preview;
    std::unique_ptr<FrameTimer> frameTimer;
    juce::StringArray shownStatusLines;
    double renderingGamma = 2.2;
    int exitCode = 0;
};
