#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace torvo
{

//==============================================================================
/**
    Appends BSON documents built from juce::var trees to a byte vector.

    Each document's length field is written as a placeholder and patched once
    the document is complete, so no size is computed ahead. The writer never
    fails and has no depth limit: every var maps to some BSON value.
*/
class BsonWriter
{
public:
    /** Makes a writer that appends to the given vector, which must outlive it. */
    explicit BsonWriter (std::vector<juce::uint8>& destination) noexcept;

    /** Appends a document: an array's items named "0", "1", ..., an object's
        properties in their order, or nothing for any other var.
    */
    void writeDocument (const juce::var& value);

    /** Appends one element: its type code, its NUL-terminated UTF-8 name and its value. */
    void writeElement (const char* utf8Name, const juce::var& value);

private:
    //==============================================================================
    void writeValue (juce::uint8 type, const juce::var& value);
    void appendLittleEndian (juce::uint64 bits, int numBytes);
    void appendBytes (const void* bytes, size_t numBytes);

    std::vector<juce::uint8>& output;

    JUCE_DECLARE_NON_COPYABLE (BsonWriter)
};

} // namespace torvo
