#pragma once

#include <tavcore/Program.h>
#include <tavcore/ServiceThread.h>
#include "TorvoBootCommandLine.h"
#include "TorvoBootService.h"

//==============================================================================
/**
    The TorvoBoot program: installs or uninstalls the service, sends one
    command to it, or runs the application monitor, as a service or
    interactively in a console.
*/
class TorvoBootProgram : public tav::Program
{
public:
    static constexpr const char* className = "TorvoBootProgram";

    TorvoBootProgram();
    ~TorvoBootProgram() override;

    juce::String getClassName() const override    { return className; }

    bool isGuiProgram() const override            { return false; }

    /** The framework's libraries, then TorvoBoot itself, in the program directory. */
    void getWellKnownBinaries (std::vector<juce::File>& binaries) const override;

    bool startProgram() override;
    int programStopped() override;

    /** Attaches a console view to the service thread and starts it on a
        thread of its own (service run). */
    bool startServiceThread();

    /** Stops the service thread, waiting at most the message time-out. */
    void stopServiceThread();

    /** Service run: the program's and the service thread's messages also go
        to the service's log file, since a service has no console. */
    void attachServiceLog();

    /** The service's log file: "Torvo Boot/logs/TorvoBoot.log" in the data
        folder of the account the service runs under. */
    static juce::File getServiceLogFile();

    /** The exit code the program will end with. */
    juce::int32 getExitCode() const noexcept      { return exitCode; }

protected:
    void addLibraries (tav::Library& rootLibrary) override;
    void removeLibraries (tav::Library& rootLibrary) override;

private:
    void install();
    void uninstall();
    void sendCommand (const TorvoBootCommandLine& commandLine);
    bool runMonitor();
    bool runInteractively();

    tav::ServiceThread<TorvoBootService> serviceThread;
    juce::int32 exitCode = 0;
};
