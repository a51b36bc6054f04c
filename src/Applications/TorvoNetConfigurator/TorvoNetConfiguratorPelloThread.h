#pragma once

#include <tavview/PelloThread.h>
#include <torvocore/TorvoNetConfiguration.h>

namespace gui::tav
{

//==============================================================================
/**
    The network configurator's GUI thread. It owns the one network
    configuration of the process, which the main view's editor works on:
    loaded from its file when the window opens. Saving is the program's,
    when it is asked to quit.
*/
class TorvoNetConfiguratorPelloThread : public PelloThread
{
public:
    /** parentObject is the program that owns the thread. */
    explicit TorvoNetConfiguratorPelloThread (::tav::Object* parentObject = nullptr);
    ~TorvoNetConfiguratorPelloThread() override;

    juce::String getClassName() const override    { return "TorvoNetConfiguratorPelloThread"; }

    /** The running network configurator's GUI thread, or nullptr. */
    static TorvoNetConfiguratorPelloThread* get() noexcept;

    /** The host's network configuration. */
    torvo::TorvoNetConfiguration configuration;

    /** The error reported when an existing configuration file cannot be read. */
    static constexpr const char* unreadableFileError = "Unable to read configuration file. Check your access right";

    /** The main window's size, centred on the primary display. */
    static constexpr int mainWindowWidth = 800, mainWindowHeight = 480;

protected:
    /** Loads the configuration file (a missing one leaves the defaults and
        says nothing), then opens the main window. */
    bool tavThreadStarted() override;
};

} // namespace gui::tav
