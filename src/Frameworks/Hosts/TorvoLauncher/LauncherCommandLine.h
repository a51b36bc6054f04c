#pragma once

#include <torvocore/ServerInformationPacket.h>
#include <optional>

//==============================================================================
/** What the launcher was asked to do on its command line. */
struct LauncherCommandLine
{
    bool showHelp = false;              /**< -h or --help */
    juce::Array<juce::File> plugins;    /**< plug-ins named on the command line */
    juce::StringArray unknownOptions;   /**< options the launcher does not know */
    juce::StringArray errors;           /**< known options whose values the launcher cannot use */
    std::optional<int> statusPort;      /**< --status-port: the host's status port, over the network configuration's */

    /** Reads the arguments: options start with '-', everything else names a
        plug-in file (relative paths from the working directory). Values come
        after '=' in the same argument (--status-port=8091). */
    static LauncherCommandLine parse (const juce::StringArray& arguments);

    /** True when the command line can be run: no unknown options and no errors. */
    bool isUsable() const               { return unknownOptions.isEmpty() && errors.isEmpty(); }

    /** The lines of the usage text. */
    static juce::StringArray getUsageLines();
};
