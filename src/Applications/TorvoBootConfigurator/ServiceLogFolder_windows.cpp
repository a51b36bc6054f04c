#include "TorvoBootHomeMenuActions.h"

namespace gui::tav
{

juce::File getServiceLogFolder (const juce::File& systemUserHome)
{
    return systemUserHome.getChildFile ("AppData/Roaming/Torvo Boot/logs");
}

} // namespace gui::tav
