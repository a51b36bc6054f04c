#pragma once

#include "TorvoBootConfiguratorPelloThread.h"

#include <tavcore/Program.h>
#include <tavview/SingleInstance.h>

#include <memory>

namespace gui::tav
{

//==============================================================================
/**
    TorvoBootConfigurator: the desktop program in which an administrator
    edits TorvoBoot's configuration and controls the service. One instance
    runs per user; starting it again brings the running one's window to the
    front.
*/
class TorvoBootConfiguratorProgram : public ::tav::Program
{
public:
    TorvoBootConfiguratorProgram();
    ~TorvoBootConfiguratorProgram() override;

    juce::String getClassName() const override    { return "TorvoBootConfiguratorProgram"; }

    /** The registered class, while the library is loaded. */
    static const ::tav::Class* getStaticClass();

    /** The name under which the running instance is found:
        "TorvoBootConfigurator", or what the environment variable
        TORVO_BOOT_CONFIGURATOR_INSTANCE says (so that tests running side by
        side do not find each other's instances). */
    static juce::String getInstanceName();

    bool isGuiProgram() const override            { return false; }

    /** Another start of the program: the main window comes to the front. */
    void anotherInstanceStarted (const juce::String& commandLine);

    /** The program writes no log files. */
    bool allowLogToFiles() const                  { return false; }

    void addLibraries (::tav::Library& rootLibrary) override;
    void removeLibraries (::tav::Library& rootLibrary) override;

    /** Starts the GUI thread; a second instance tells the first and quits. */
    bool startProgram() override;

    /** Stops the GUI thread (which saves) and returns 0. */
    int programStopped() override;

    /** The GUI thread. */
    TorvoBootConfiguratorPelloThread& getGuiThread() noexcept   { return guiThread; }

private:
    TorvoBootConfiguratorPelloThread guiThread;
    std::unique_ptr<SingleInstance> singleInstance;
};

} // namespace gui::tav
