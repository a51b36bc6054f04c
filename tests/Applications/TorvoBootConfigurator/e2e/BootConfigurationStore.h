#pragma once

#include <juce_core/juce_core.h>

#include <vector>

//==============================================================================
/** A boot configuration file written for a test, as an administrator's
    editor would leave it. */
namespace store
{
    /** One configured application. */
    struct Application
    {
        juce::String executablePath;
        juce::String arguments;
    };

    /** The state text of a configuration holding the applications, compact
        and without the header that the program writes when it saves. */
    juce::String makeText (const std::vector<Application>& applications);

    /** Writes it to file; false when that failed. */
    bool write (const juce::File& file, const std::vector<Application>& applications);

    /** True when the file is one the program saved (it starts with the
        program's header comment) and names every executable. */
    bool wasSavedWith (const juce::File& file, const std::vector<Application>& applications);
}
