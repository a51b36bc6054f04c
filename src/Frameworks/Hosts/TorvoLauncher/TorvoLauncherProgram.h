#pragma once

#include "LauncherCommandLine.h"
#include "LauncherComponents.h"
#include "LauncherPlugin.h"
#include "LauncherStatusFeed.h"
#include <tavcore/Program.h>
#include <torvocore/TorvoNetConfiguration.h>

//==============================================================================
/**
    The launcher: a console program beside the host that loads the launcher
    plug-ins, runs their components under its service and, ten times per
    second until it is asked to stop, copies the host's newest published
    status into the service and lets the components refresh from it. It
    listens where the network configuration, read at the start, says;
    --status-port overrides its port.

    Stopping stops the components' displays, destroys the components and
    only then unloads the plug-ins whose code they run.
*/
class TorvoLauncherProgram : public tav::Program
{
public:
    TorvoLauncherProgram();
    ~TorvoLauncherProgram() override;

    juce::String getClassName() const override    { return "TorvoLauncherProgram"; }
    bool isGuiProgram() const override            { return false; }
    bool startProgram() override;
    int programStopped() override;

protected:
    void addLibraries (tav::Library& rootLibrary) override;
    void removeLibraries (tav::Library& rootLibrary) override;

private:
    bool reportCommandLine (const LauncherCommandLine& commandLine);
    bool loadPlugins (const LauncherCommandLine& commandLine);
    bool loadPlugin (const juce::File& file, bool named);
    bool startStatusFeed (const LauncherCommandLine& commandLine);
    void runUpdates();
    void unloadAll();

    std::unique_ptr<launcher::LauncherService> service;
    std::unique_ptr<LauncherStatusFeed> statusFeed;
    std::vector<std::unique_ptr<LauncherPlugin>> plugins;
    std::unique_ptr<LauncherComponents> components;
    torvo::TorvoNetConfiguration network;
    int exitCode = 0;
};
