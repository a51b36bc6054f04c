#pragma once

#include <torvocore/TorvoServerInformation.h>

#include <memory>
#include <vector>

namespace vitrel::test
{

/** A host status record with a loopback adapter (not connected), the given
    connected adapters at 192.168.1.20 onwards, memory, frame rate, a project
    and one storage device. */
std::unique_ptr<torvo::TorvoServerInformation> makeInformation (const std::vector<juce::String>& connectedAdapters);

} // namespace vitrel::test
