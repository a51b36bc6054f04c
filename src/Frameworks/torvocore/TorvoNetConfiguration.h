#pragma once

#include "torvocore/NetworkAddress.h"
#include "torvocore/PortNumber.h"
#include <tavcore/ExecutionContext.h>
#include <tavcore/PersistentObject.h>

namespace torvo
{

//==============================================================================
/**
    The host's network configuration: the machine's name on the network and
    where the host publishes its status record for the launcher. The host
    Torvo and the launcher TorvoLauncher read it when they start, so a
    changed setting takes effect at their next start; options on their
    command lines override it.

    It lives in one file beside the boot configuration's (see
    getTorvoNetConfigurationFile()). A setting whose value is refused (a port
    of 0, an address that is none) is reported with its name and value and
    keeps the value it had, the rest of the file still loads; a file that
    cannot be read, is no state text or holds an object of another class
    changes nothing.
*/
class TorvoNetConfiguration : public tav::Object,
                              public tav::PersistentObject
{
public:
    /** The name the class is registered under. */
    static constexpr const char* className = "TorvoNetConfiguration";

    /** Where the status record goes unless the file says otherwise: the
        launcher on the same machine, on the port it has always used. */
    static constexpr const char* defaultStatusAddress = "127.0.0.1";

    /** The status record's port unless the file says otherwise. */
    static constexpr int defaultStatusPort = 8090;

    /** The defaults: the computer's own name, 127.0.0.1, port 8090. */
    TorvoNetConfiguration();

    /** Returns "TorvoNetConfiguration". */
    juce::String getClassName() const override    { return className; }

    /** The machine's name on the network; empty: the computer's own name. */
    tav::String machineName;

    /** The address the host sends its status record to and the launcher
        listens on. */
    NetworkAddress statusAddress;

    /** The UDP port of the status record. */
    PortNumber statusPort;

    /** machineName, or the computer's name when it is empty. */
    juce::String getEffectiveMachineName() const;

    //==============================================================================
    /** The configuration file: TORVO_NET_CONFIGURATION when that environment
        variable is set (relative paths from the working folder), otherwise
        TorvoNet.configuration in the machine-wide folder of the boot
        configuration (Windows: %ProgramData%\Torvo; Linux: /etc/torvo). */
    static juce::File getTorvoNetConfigurationFile();

    /** Loads the configuration from a file. A failure names the file (and
        the line and column of a fault in its text) and changes nothing;
        refused settings are reported as errors on the calling thread's
        context and do not fail the load. */
    juce::Result loadFromFile (const juce::File& file);

    /** Loads the configuration file (getTorvoNetConfigurationFile()); false
        when it is missing or cannot be loaded, the reason then in
        getLastFailure(). Nothing is reported here, so that the caller says
        it in its own words. */
    bool loadFromLocalHostFileConfiguration();

    /** Loads the configuration file as the host and the launcher do when
        they start: a missing file leaves the defaults without a word; one
        that cannot be loaded is reported on context with the reason, and
        the defaults stay. */
    void loadAtProgramStart (tav::ExecutionContext& context);

    /** Saves to the configuration file when the settings changed since they
        were last loaded or saved, atomically: a temporary file in the same
        folder takes the text, then replaces the old file, so a failure
        leaves the old file whole. True when nothing needed writing or the
        write succeeded; false with the reason in getLastFailure(). */
    bool saveToLocalHostFileConfigurationIfNeeded();

    /** Saves to a file in the same way, whether or not anything changed. */
    juce::Result saveToFile (const juce::File& file);

    /** True when the settings differ from those last loaded or saved (or,
        before either, from the defaults). */
    bool hasChangedSinceLoadedOrSaved() const;

    /** Why the last load or save of the configuration file failed. */
    const juce::String& getLastFailure() const noexcept    { return lastFailure; }

    /** The header comment saved at the top of the file. */
    static juce::String getFileHeaderComment();

    /** The configuration file (getTorvoNetConfigurationFile()). */
    juce::File getPersistentFile() const override { return getTorvoNetConfigurationFile(); }

    /** Loads the settings from a state, refusing a state tagged with another
        class; each setting its value refuses is reported and skipped. */
    juce::Result loadState (const tav::State& state, const juce::String& sourceName) override;

private:
    juce::String describeSettings() const;
    static juce::File getMachineWideFolder();

    juce::String settingsAtLastLoadOrSave;
    juce::String lastFailure;
};

} // namespace torvo
