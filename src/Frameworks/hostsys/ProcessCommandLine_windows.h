#pragma once

#include <windows.h>
#include <juce_core/juce_core.h>
#include <optional>

namespace os::detail
{

/** The command line another process was started with, or nullopt when the
    system does not let this process read it. */
std::optional<juce::String> readProcessCommandLine (DWORD processId);

} // namespace os::detail
