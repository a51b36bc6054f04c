#include "hostsys/TorvoBootConfiguration.h"

namespace os
{

juce::File TorvoBootConfiguration::getMachineWideFolder()
{
    return juce::File ("/etc/torvo");
}

} // namespace os
