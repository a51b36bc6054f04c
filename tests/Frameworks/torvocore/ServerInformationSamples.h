#pragma once

#include <torvocore/TorvoServerInformation.h>

// Status records as a server would fill them, for the record's, the
// datagram's and the receiver's tests.
namespace torvotest
{

/** A record with every member set: two adapters (one connected), both
    memories, a frame rate, on-air, an active output, a project and a
    storage device beside another device. */
void fillSampleInformation (torvo::TorvoServerInformation& information);

/** Appends an adapter to a record. */
void addAdapter (torvo::TorvoServerInformation& information, const juce::String& name, const juce::String& address, bool connected);

/** Appends a device description to a record. */
void addDevice (torvo::TorvoServerInformation& information, const juce::String& className, const juce::String& friendlyName);

} // namespace torvotest
