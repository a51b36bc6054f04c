#include "hostsys/Process.h"
#include "SystemFolder_windows.h"

namespace os
{

juce::File Process::getSystemUserDirectory()
{
    const auto overridden = juce::SystemStats::getEnvironmentVariable ("TORVO_SYSTEM_USER_DIRECTORY", {});

    if (overridden.isNotEmpty())
        return juce::File::getCurrentWorkingDirectory().getChildFile (overridden);

    // Services run as LocalSystem, whose profile lies in the system folder.
    const auto system = detail::getSystemFolder();
    return system == juce::File() ? juce::File() : system.getChildFile ("config\\systemprofile");
}

} // namespace os
