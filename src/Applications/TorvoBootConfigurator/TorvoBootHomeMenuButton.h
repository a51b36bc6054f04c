#pragma once

#include <tavview/DropDownValueButtonWidget.h>

namespace gui::tav
{

//==============================================================================
/**
    The home button of the title bar. Its menu loads, saves and reveals the
    boot configuration, reveals the service's logs, sends commands to all
    applications, starts, stops, restarts and reveals the service, opens the
    system's environment variables and quits. The entries that reach into
    the service's inner working (all applications, the service itself) are
    secret entries; the ordinary menu names the configuration in its first
    four entries instead. Enabling follows whether the service runs as the
    menu opens.
*/
class TorvoBootHomeMenuButton : public DropDownBehaviour<DropDownValueButtonWidget>
{
public:
    juce::String getClassName() const override    { return "TorvoBootHomeMenuButton"; }

    /** The registered class, while the library is loaded. */
    static const ::tav::Class* getStaticClass();

    /** The menu's item ids. */
    enum MenuItemId
    {
        loadAndRestart = 1, saveAndRestart, saveAs, revealConfiguration, revealLog,
        startAllApplications, prepareToStopAllApplications, killAllApplications,
        startService, stopService, restartService, revealServiceExecutable,
        editEnvironmentVariables, exitProgram
    };

    /** Builds the menu as it would open now (the service asked whether it
        runs, secret entries shown when SecretCommand::canDisplaySecret()
        holds without the debug build's switch). */
    static juce::PopupMenu buildMenu();

    bool handlesNullTarget() const override       { return true; }
    void openPopup() override;

protected:
    void initializeWidget() override;
};

} // namespace gui::tav
