#include "torvocore/TorvoNetConfiguration.h"

namespace torvo
{

juce::File TorvoNetConfiguration::getMachineWideFolder()
{
    // The boot configuration's folder.
    return juce::File ("/etc/torvo");
}

} // namespace torvo
