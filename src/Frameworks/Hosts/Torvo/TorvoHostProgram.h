#pragma once

#include "HostCommandLine.h"
#include "HostDevices.h"
#include "HostPicture.h"
#include <tavcore/Program.h>

//==============================================================================
/**
    The host application: loads plug-ins, runs one device per device factory
    and updates the devices at 60 frames per second until it is asked to stop.
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
    bool preparePicture (const HostCommandLine& commandLine);
    bool loadPlugins (const HostCommandLine& commandLine);
    bool loadPlugin (const juce::File& file);
    void runFrames();
    void unloadAll();

    std::vector<std::unique_ptr<torvo::LoadedPlugin>> plugins;
    std::unique_ptr<HostDevices> devices;
    std::unique_ptr<HostPicture> picture;
    int exitCode = 0;
};
