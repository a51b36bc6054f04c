#pragma once

#include "torvocore/TorvoServerInformation.h"

namespace torvo
{

//==============================================================================
/**
    The datagram in which the server publishes its status record to the
    launcher on the same machine: a 10-byte header (the magic "TVSI", a
    16-bit version and the 32-bit length of the rest, little-endian) and the
    record's state text in UTF-8.

    Whatever arrives on the port may come from anybody: decode() checks the
    size, the header, the text, the class and the lists' lengths, and leaves
    the target record untouched when it refuses. Member names the record
    does not declare are refused too, so a record that gains a member comes
    with a new version.
*/
struct ServerInformationPacket
{
    /** The loopback port the server publishes on unless told otherwise. */
    static constexpr int defaultPort = 8090;

    /** The largest datagram sent or accepted (the most a UDP datagram holds). */
    static constexpr size_t maximumSize = 65507;

    /** The size of the header before the state text. */
    static constexpr size_t headerSize = 10;

    /** The version this code writes and reads. */
    static constexpr juce::uint16 version = 1;

    /** The most adapters or devices a record may list. */
    static constexpr size_t maximumListSize = 100;

    /** Makes the datagram of a record; fails, leaving datagram empty, when
        the record does not fit in maximumSize or lists too many elements. */
    static juce::Result encode (const TorvoServerInformation& information, juce::MemoryBlock& datagram);

    /** Reads a datagram into target; on failure says why and leaves target
        as it was. */
    static juce::Result decode (const void* data, size_t size, TorvoServerInformation& target);
};

} // namespace torvo
