#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/** What the host was asked to do on its command line. */
struct HostCommandLine
{
    bool showHelp = false;              /**< -h or --help */
    juce::Array<juce::File> plugins;    /**< plug-ins named on the command line */
    juce::StringArray unknownOptions;   /**< options the host does not know */

    /** Reads the arguments: options start with '-', everything else names a
        plug-in file (relative paths from the working directory). */
    static HostCommandLine parse (const juce::StringArray& arguments);

    /** The lines of the usage text. */
    static juce::StringArray getUsageLines();
};
