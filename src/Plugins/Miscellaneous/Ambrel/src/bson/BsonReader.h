#pragma once

#include "bson/BsonLimits.h"
#include <juce_core/juce_core.h>

namespace torvo
{

//==============================================================================
/**
    The cursor through which a BSON document is read from a byte buffer.

    Every length that the data declares is checked against the bytes that are
    really there before anything is read, and values are copied straight out
    of the buffer. The first failure is recorded together with the byte
    position where it happened; every reading step returns false from then on,
    so that the first fault is the one reported.
*/
class BsonReader
{
public:
    /** Makes a reader over a buffer that it does not own, at the buffer's
        first byte, that refuses a buffer of more elements than limits admit. */
    BsonReader (const juce::uint8* bufferStart, juce::uint64 bufferSize,
                BsonLimits elementLimits = BsonLimits::forRequests()) noexcept;

    //==============================================================================
    /** Reads a document (or, when isArray is true, an array) starting at its
        length field. depth counts the documents above this one; the top-level
        document is read with depth 0. On success out holds a DynamicObject or
        an Array<var>; on failure out is left untouched.
    */
    bool readDocument (int depth, bool isArray, juce::var& out);

    /** Reads the value of one element of the given type code into out. */
    bool readValue (juce::uint8 type, int depth, juce::var& out);

    /** Records a failure, unless one is recorded already, with the current
        position appended; always returns false.
    */
    bool fail (const juce::String& message);

    //==============================================================================
    /** The most documents or arrays that may nest below the top-level document. */
    static constexpr int maxNestingDepth = 32;

    /** The element counts past which the buffer is refused. */
    const BsonLimits limits;

    /** The first byte of the buffer (not owned). */
    const juce::uint8* data;

    /** The number of bytes in the buffer. */
    juce::uint64 size;

    /** The offset of the next byte to read. */
    juce::uint64 position = 0;

    /** Empty until the first failure, then its message and position. */
    juce::String error;

    /** The elements read so far, at every level. */
    int numElements = 0;

    /** The elements of documents (not arrays) read so far. */
    int numNamedElements = 0;

private:
    //==============================================================================
    juce::uint64 remaining() const noexcept     { return size - position; }

    bool readElements (juce::uint64 end, int depth, juce::var& container);
    bool readElementName (const juce::uint8*& nameStart, size_t& nameLength);
    bool countElement (bool named);
    bool readLittleEndian (int numBytes, juce::uint64& out);
    bool readInt32 (juce::int32& out);

    bool readFloat64 (juce::var& out);
    bool readString (juce::var& out);
    bool readBinary (juce::var& out);
    bool readBoolean (juce::var& out);
    bool readInt32Value (juce::var& out);
    bool readInt64Value (juce::var& out);

    JUCE_DECLARE_NON_COPYABLE (BsonReader)
};

} // namespace torvo
