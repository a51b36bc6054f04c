#include "TorvoBootHomeMenuButton.h"

#include "OrdinaryMenuForm.h"
#include "TorvoBootHomeMenuActions.h"
#include "TorvoBootServiceName.h"

#include <hostsys/DaemonClient.h>
#include <tavcore/ClassOf.h>
#include <tavview/SecretCommand.h>

namespace gui::tav
{

namespace
{
    void addPlainItem (juce::PopupMenu& menu, int id, const juce::String& text, bool enabled)
    {
        menu.addItem (id, text, enabled, false);
    }

    void addSecretItem (juce::PopupMenu& menu, int id, const juce::String& text, bool enabled)
    {
        SecretCommand::addSecretMenuItem (menu, id, text, enabled, false, {});
    }
}

const ::tav::Class* TorvoBootHomeMenuButton::getStaticClass()
{
    return ::tav::ClassOf<TorvoBootHomeMenuButton>::instance;
}

void TorvoBootHomeMenuButton::initializeWidget()
{
    DropDownValueButtonWidget::initializeWidget();
    updateDisplay ("home.svg", {});
}

juce::PopupMenu TorvoBootHomeMenuButton::buildMenu()
{
    const auto running = os::DaemonClient::isDaemonRunning (torvoBootServiceName);
    const OrdinaryMenuForm ordinary;
    const auto secret = SecretCommand::canDisplaySecret();
    const juce::String noun = secret ? "" : "configuration ";
    juce::PopupMenu menu;

    if (secret)
        menu.addSectionHeader ("Torvo Boot Configuration");

    addPlainItem (menu, loadAndRestart, "Load " + noun + "and restart Torvo Boot", true);
    addPlainItem (menu, saveAndRestart, "Save " + noun + "and restart Torvo Boot", true);
    addPlainItem (menu, saveAs, "Save " + noun + "as", true);
    addPlainItem (menu, revealConfiguration, "Reveal " + noun + "in explorer", true);
    menu.addSeparator();
    addPlainItem (menu, revealLog, "Reveal log in explorer", true);

    if (secret)
    {
        const auto prefix = SecretCommand::getSecretMenuSectionHeaderPrefix();
        menu.addSectionHeader (prefix + "All Applications");
        addSecretItem (menu, startAllApplications, "Start", running);
        addSecretItem (menu, prepareToStopAllApplications, "Prepare to stop", running);
        addSecretItem (menu, killAllApplications, "Kill", running);
        menu.addSectionHeader (prefix + "Torvo Boot");
        addSecretItem (menu, startService, "Start", ! running);
        addSecretItem (menu, stopService, "Stop", running);
        addSecretItem (menu, restartService, "Restart", running);
        addSecretItem (menu, revealServiceExecutable, "Reveal in explorer", true);
    }

    menu.addSeparator();
    addPlainItem (menu, editEnvironmentVariables, "Edit system environment variables", true);
    menu.addSeparator();
    addPlainItem (menu, exitProgram, "Exit", true);
    return menu;
}

void TorvoBootHomeMenuButton::openPopup()
{
    // The actions use nothing of the button, so they run even when it has
    // gone while the menu was open.
    showPopup (buildMenu(), [] (int chosen) { performHomeMenuAction (chosen); });
}

} // namespace gui::tav
