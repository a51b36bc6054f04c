#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/** A new, empty folder of one test's own in the temporary folder, removed
    with everything in it when the scope ends. */
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();

    /** The folder. */
    const juce::File& get() const noexcept    { return folder; }

private:
    juce::File folder;

    JUCE_DECLARE_NON_COPYABLE (TemporaryFolder)
};
