#include "torvocore/TorvoNetConfiguration.h"

namespace torvo
{

juce::File TorvoNetConfiguration::getMachineWideFolder()
{
    // %ProgramData%\Torvo, the boot configuration's folder.
    return juce::File::getSpecialLocation (juce::File::commonApplicationDataDirectory).getChildFile ("Torvo");
}

} // namespace torvo
