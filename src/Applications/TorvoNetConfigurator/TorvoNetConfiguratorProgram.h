#pragma once

#include "TorvoNetConfiguratorPelloThread.h"

#include <tavcore/String.h>
#include <tavview/SingleInstance.h>
#include <torvocore/TorvoNetProgram.h>

#include <memory>

namespace gui::tav
{

//==============================================================================
/**
    TorvoNetConfigurator: the desktop program in which a user edits the
    host's network configuration. It loads the configuration file when its
    window opens and saves it when it is asked to quit; when the save fails,
    the user chooses between quitting anyway and staying with the unsaved
    settings. One instance runs per user; starting it again brings the
    running one's window to the front.
*/
class TorvoNetConfiguratorProgram : public torvo::TorvoNetProgram
{
public:
    /** Named "Torvo Net Configurator" with the suite's version; its GUI
        thread holds a default configuration until the window opens. */
    TorvoNetConfiguratorProgram();
    ~TorvoNetConfiguratorProgram() override;

    /** Returns "TorvoNetConfiguratorProgram". */
    juce::String getClassName() const override    { return "TorvoNetConfiguratorProgram"; }

    /** The registered class, while the library is loaded. */
    static const ::tav::Class* getStaticClass();

    /** The name under which the running instance is found:
        "TorvoNetConfigurator", or what the environment variable
        TORVO_NET_CONFIGURATOR_INSTANCE says (so that tests running side by
        side do not find each other's instances). */
    static juce::String getInstanceName();

    /** The question asked when saving at quit failed. */
    static constexpr const char* saveFailedQuestion = "Unable to save configuration, check file access privileges or disk space.\nExit anyway?";

    /** Saves the configuration if it changed; quits when that worked, and
        otherwise, when mayAskUser allows, asks whether to quit anyway ("Yes")
        or to stay ("No"); without permission to ask it quits. */
    void systemRequestedQuit (bool mayAskUser, std::function<void (bool)> completion) override;

    /** Answers false, as every program of the suite does. */
    bool isGuiProgram() const override            { return false; }

    /** Another start of the program: the main window comes to the front. */
    void anotherInstanceStarted (const juce::String& commandLine);

    /** What the program shows while it loads. */
    juce::String getCurrentStatusString() const override    { return statusText.get(); }

    /** The program writes no log files. */
    bool allowLogToFiles() const                  { return false; }

    /** Adds torvocore's library, then "GuiTav" and "TorvoNetConfigurator". */
    void addLibraries (::tav::Library& rootLibrary) override;

    /** Removes "TorvoNetConfigurator" and "GuiTav", then torvocore's library. */
    void removeLibraries (::tav::Library& rootLibrary) override;

    /** Starts the GUI thread; a second instance tells the first and quits. */
    bool startProgram() override;

    /** Stops the GUI thread and returns the base program's exit code. */
    int programStopped() override;

    /** The GUI thread. */
    TorvoNetConfiguratorPelloThread& getGuiThread() noexcept    { return guiThread; }

private:
    TorvoNetConfiguratorPelloThread guiThread;
    ::tav::String statusText { "Loading Torvo Net Configuration" };
    std::unique_ptr<SingleInstance> singleInstance;
};

} // namespace gui::tav
