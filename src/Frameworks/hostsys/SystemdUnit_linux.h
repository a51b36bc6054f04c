#pragma once

#include <juce_core/juce_core.h>

namespace os::detail
{

/** The text of the systemd unit that runs an executable, without options, as
    a service of the suite: the program reports readiness itself (notify),
    is restarted when it fails, and a stop ends only the service's own
    process so that the programs it started keep running. */
juce::String createSystemdServiceUnit (const juce::String& displayName, const juce::String& description,
                                       const juce::File& executable);

} // namespace os::detail
