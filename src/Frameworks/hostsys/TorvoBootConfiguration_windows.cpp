#include "hostsys/TorvoBootConfiguration.h"

namespace os
{

juce::File TorvoBootConfiguration::getMachineWideFolder()
{
    // %ProgramData%: readable by every user, writable by administrators.
    return juce::File::getSpecialLocation (juce::File::commonApplicationDataDirectory).getChildFile ("Torvo");
}

} // namespace os
