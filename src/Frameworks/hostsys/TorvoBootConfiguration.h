#pragma once

#include <tavcore/ObjectOwnedVector.h>
#include <tavcore/PersistentObject.h>
#include "hostsys/ManagedApplication.h"

namespace os
{

//==============================================================================
/**
    The boot configuration: the ordered list of applications TorvoBoot
    starts and watches. The position of an application in the list is its
    application index in commands.

    It lives in one machine-wide file, shared by the service (which loads
    it when its thread starts) and the configurator (which edits it).
*/
class TorvoBootConfiguration : public tav::Object,
                               public tav::PersistentObject
{
public:
    static constexpr const char* className = "TorvoBootConfiguration";

    TorvoBootConfiguration();

    juce::String getClassName() const override    { return className; }

    /** The managed applications, owned by the configuration. */
    tav::ObjectOwnedVector<ManagedApplication> applications;

    /** Replaces the list with the default set: the Torvo host and its
        launcher, found next to the running executable. */
    void resetApplicationsToTorvoDefault();

    //==============================================================================
    /** The configuration file: TORVO_BOOT_CONFIGURATION when that environment
        variable is set, otherwise TorvoBoot.configuration in the machine-wide
        data folder (Windows: %ProgramData%\Torvo; Linux: /etc/torvo). */
    static juce::File getConfigurationFile();

    /** Loads the configuration file; a failure leaves the configuration as
        it was and names the file (and line and column for faulty text). */
    juce::Result loadFromConfigurationFile();

    /** Saves to the configuration file (atomically: the old file stays whole
        until the new one is complete). False with an error message on failure. */
    bool saveToConfigurationFile();

    juce::File getPersistentFile() const override { return getConfigurationFile(); }

    /** Refuses a file that others than the administrators, the system and
        the running account may write: the service may run its programs with
        the system's rights, so anyone who could edit the file could run
        anything so. Linux, when running as root: the file and its folder
        must belong to root and be writable by root (and its group) only.
        Windows: no allowing entry of the file's access list may grant write
        access to another account or group. */
    juce::Result checkPersistentFile (const juce::File& file) const override;

    /** Creates the machine-wide folder of the configuration file, or mends
        an existing one, so that only administrators and the system may write
        in it (Windows: a protected access list, SYSTEM and Administrators
        full control, Users read; Linux: root's, mode 0755). False with an
        error message on failure. */
    static bool protectConfigurationFolder();

    /** The header comment saved at the top of the file. */
    static juce::String getFileHeaderComment();

private:
    static juce::File getMachineWideFolder();
};

} // namespace os
