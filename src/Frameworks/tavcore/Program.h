#pragma once

#include <juce_events/juce_events.h>
#include "tavcore/ConnectionManager.h"
#include "tavcore/ExecutionContext.h"
#include "tavcore/Object.h"
#include "tavcore/VersionRecord.h"
#include <atomic>
#include <functional>
#include <map>
#include <vector>

namespace tav
{

class Library;

//==============================================================================
/**
    A program of the framework, run as the JUCE application.

    The application adds the program's libraries to the root library, calls
    startProgram() on the main thread, runs the message loop until the
    program quits, then calls programStopped() for the exit code and removes
    the libraries again.
*/
class Program : public Object
{
public:
    Program (const juce::String& name, const juce::String& releaseLabel,
             int major, int minor, int patch, const juce::String& buildIdentifier);
    ~Program() override;

    /** Wraps a program (owned from now on) into the JUCE application that runs it. */
    static juce::JUCEApplicationBase* createApplication (Program* programToRun);

    //==============================================================================
    /** True for programs with windows, false for console programs and services. */
    virtual bool isGuiProgram() const = 0;

    /** Lists the binaries the program is made of (for diagnostics and installers). */
    virtual void getWellKnownBinaries (std::vector<juce::File>& binaries) const    { binaries.clear(); }

    /** Called on the message thread when the person or the system asks the
        program to quit (the main window's close button, an OK button).
        mayAskUser says whether the program may ask the person before it
        decides; false once the program is already stopping. The program
        calls completion with true to quit, or with false to run on. Quits
        at once unless overridden. */
    virtual void systemRequestedQuit (bool mayAskUser, std::function<void (bool)> completion);

    /** What the program is busy with as it starts ("Loading ..."), which the
        framework reports as information on the program's context before
        startProgram(); empty, the default, reports nothing. */
    virtual juce::String getCurrentStatusString() const             { return {}; }

protected:
    /** Adds the program's libraries to the root library. */
    virtual void addLibraries (Library& rootLibrary)      { juce::ignoreUnused (rootLibrary); }

    /** Removes the program's libraries from the root library. */
    virtual void removeLibraries (Library& rootLibrary)   { juce::ignoreUnused (rootLibrary); }

public:
    /** The program's main action, on the main thread; false ends the program
        at once with a failure exit status. */
    virtual bool startProgram() = 0;

    /** Called once when the program ends; returns the process exit code. */
    virtual int programStopped() = 0;

    //==============================================================================
    /** Asks the program to end: it leaves its message loop and stops. With
        immediately, the process ends at once without an orderly stop. */
    void quit (bool immediately);

    /** True once quit() was called or the console asked the program to stop. */
    bool isCurrentlyStopping() const noexcept;

    /** With true, Ctrl+C, Ctrl+Break, closing the console and SIGTERM put the
        program into its stopping state instead of ending the process. */
    static void activateConsoleStopHandler (bool shouldBeActive);

    /** Runs the process in a power-saving mode (lower scheduling class) that
        programs it starts do not inherit. */
    static void setProcessEcoMode (bool shouldSaveEnergy);

    /** The folder of the program's executable, or a path below it. */
    static juce::File getProgramDirectory (const juce::String& relativePath);

    /** The command-line arguments, each split at the first separator into an
        argument and its value ("-c=kill" gives "-c" and "kill"; "-i" gives
        "-i" and an empty value). The first of repeated arguments counts. */
    static std::map<juce::String, juce::String> getCommandLineArgumentsAndValues (const juce::String& separator);

    /** Splits a list of arguments as getCommandLineArgumentsAndValues does. */
    static std::map<juce::String, juce::String> splitArgumentsAndValues (const juce::StringArray& arguments,
                                                                        const juce::String& separator);

    //==============================================================================
    /** The program's name and version. */
    VersionRecord& getVersion() noexcept          { return version; }

    /** The program's connection settings. */
    ConnectionManager& getConnectionManager() noexcept { return connectionManager; }

    /** The context of the program's main thread. */
    ExecutionContext& getExecutionContext() noexcept { return context; }

private:
    class Application;

    VersionRecord version;
    ConnectionManager connectionManager;
    ExecutionContext context;
    std::atomic<bool> stopping { false };
};

} // namespace tav
