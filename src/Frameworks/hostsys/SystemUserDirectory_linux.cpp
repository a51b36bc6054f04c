#include "hostsys/Process.h"
#include <pwd.h>

namespace os
{

juce::File Process::getSystemUserDirectory()
{
    const auto overridden = juce::SystemStats::getEnvironmentVariable ("TORVO_SYSTEM_USER_DIRECTORY", {});

    if (overridden.isNotEmpty())
        return juce::File::getCurrentWorkingDirectory().getChildFile (overridden);

    // Services run as root.
    if (const auto* root = ::getpwuid (0); root != nullptr && root->pw_dir != nullptr && *root->pw_dir != 0)
        return juce::File (juce::String::fromUTF8 (root->pw_dir));

    return {};
}

} // namespace os
