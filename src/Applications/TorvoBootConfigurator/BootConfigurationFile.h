#pragma once

#include <hostsys/TorvoBootConfiguration.h>

namespace gui::tav
{

//==============================================================================
/**
    Loads a boot configuration from a state text file, refusing a file that
    holds an object of another class (which would otherwise load as an empty
    configuration, its unknown members skipped). A failure names the file
    and leaves the configuration as it was.
*/
juce::Result loadBootConfiguration (os::TorvoBootConfiguration& configuration, const juce::File& file);

} // namespace gui::tav
