#pragma once

#include <juce_core/juce_core.h>

namespace os::detail
{

/** Hands one control code to the running TorvoBoot service by the platform's
    means; false (with an error on the calling thread's context) when nothing
    received it. */
bool deliverTorvoBootControlCode (juce::uint8 controlCode);

} // namespace os::detail
