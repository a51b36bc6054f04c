#pragma once

#include <juce_core/juce_core.h>

namespace gui::tav
{

/** Performs the action of a home menu item id (TorvoBootHomeMenuButton::MenuItemId);
    0, a dismissed menu, and unknown ids do nothing. The file dialogs of
    loading and saving as are modal. */
void performHomeMenuAction (int itemId);

/** Loads the GUI thread's configuration from a file; only when that worked,
    saves it to the store and restarts the service. A faulty file is
    reported and changes nothing, the service included. */
bool loadConfigurationAndRestartService (const juce::File& file);

/** Saves the configuration to the store (a failure does not stop the
    restart) and restarts the service. */
void saveConfigurationAndRestartService();

/** Writes the configuration to a file of the user's choice; the store and
    the service are left alone. */
bool saveConfigurationAs (const juce::File& file);

/** Shows the service's log folder, with its first log file selected when
    there is one. Nothing without a system user folder. */
void revealServiceLog();

/** Stops the service and, when that worked, starts it again. */
void restartService();

/** The service's log folder below the system user's home folder. Implemented
    per platform, where the service's data folder lies. */
juce::File getServiceLogFolder (const juce::File& systemUserHome);

} // namespace gui::tav
