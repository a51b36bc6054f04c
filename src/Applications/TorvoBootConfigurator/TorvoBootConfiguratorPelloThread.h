#pragma once

#include <hostsys/TorvoBootConfiguration.h>
#include <tavview/PelloThread.h>

namespace gui::tav
{

//==============================================================================
/**
    The configurator's GUI thread. It owns the one boot configuration of the
    process, which the editor and the home menu work on: loaded from the
    configuration store when the GUI starts, saved there when it stops, after
    which a running TorvoBoot service is restarted so that it reads it.

    A store that exists but failed to load (faulty text, an object of another
    class) is never overwritten without the user's consent. The user is
    asked as soon as the failure is found, while the GUI can still ask: once
    the program quits, JUCE no longer runs a dialog's modal loop. Kept, the
    file is left alone at the GUI stop (and the service is not restarted,
    since nothing changed) until a load or a save from the home menu has put
    the configuration and the store in step again.
*/
class TorvoBootConfiguratorPelloThread : public PelloThread
{
public:
    /** parentObject is the program that owns the thread. */
    explicit TorvoBootConfiguratorPelloThread (::tav::Object* parentObject = nullptr);
    ~TorvoBootConfiguratorPelloThread() override;

    juce::String getClassName() const override    { return "TorvoBootConfiguratorPelloThread"; }

    /** The running configurator's GUI thread, or nullptr. */
    static TorvoBootConfiguratorPelloThread* get() noexcept;

    /** The boot configuration. */
    os::TorvoBootConfiguration configuration;

    /** True while the GUI stop leaves the store alone: it failed to load and
        the user chose to keep it. */
    bool isStoreKept() const noexcept             { return storeKept; }

    /** Called when the configuration was loaded from a file or saved to the
        store on the user's request: the GUI stop saves again from now on. */
    void configurationAndStoreAgree()             { storeKept = false; }

    /** The GUI stop's work: saves the configuration, unless the store is
        kept, and then restarts a running service. */
    void saveAndRestartRunningService();

protected:
    bool tavThreadStarted() override;
    void tavThreadStopped() override;

private:
    juce::Result loadConfiguration();
    void askWhetherToKeepStore (const juce::String& failure);

    bool storeKept = false;
};

} // namespace gui::tav
