#pragma once

#include "bson/BsonLimits.h"
#include <juce_core/juce_core.h>

#include <vector>

namespace torvo
{

//==============================================================================
/**
    Reads one whole BSON document from a buffer that starts with its length
    field and holds nothing after it.

    out is made void first. On success it holds the document as a
    DynamicObject (arrays as Array<var>, binaries as MemoryBlock); on failure
    it stays void and the result says what was wrong and at which byte.
    A buffer of more elements than limits admit ("too many elements",
    "too many named elements") is refused, so that the time and memory of a
    decode stay close to linear in the buffer's size whatever its shape.
    Keeps no state and takes no locks, so any thread may call it.
*/
juce::Result decodeBsonDocument (const void* data, size_t size, juce::var& out,
                                 BsonLimits limits = BsonLimits::forRequests());

/** Writes a var holding a DynamicObject (or an array, whose items are named
    "0", "1", ...) as one BSON document. Never fails; any other var gives an
    empty document.
*/
std::vector<juce::uint8> encodeBsonDocument (const juce::var& value);

} // namespace torvo
