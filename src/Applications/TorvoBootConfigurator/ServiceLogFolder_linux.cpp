#include "TorvoBootHomeMenuActions.h"

namespace gui::tav
{

juce::File getServiceLogFolder (const juce::File& systemUserHome)
{
    // Linux data folders of an account lie in ~/.config.
    return systemUserHome.getChildFile (".config/Torvo Boot/logs");
}

} // namespace gui::tav
