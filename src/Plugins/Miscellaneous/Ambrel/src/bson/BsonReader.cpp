#include "bson/BsonReader.h"
#include "bson/BsonType.h"
#include "bson/Utf8Text.h"

#include <cstring>

namespace torvo
{

namespace
{
    // A repeated element name keeps its first place but takes the last value.
    // NamedValueSet::set would keep the old value when it compares equal
    // (0.0 and -0.0, or two close doubles), so the value is assigned directly.
    void setProperty (juce::DynamicObject& object, const juce::String& name, juce::var&& value)
    {
        const juce::Identifier identifier (name);
        auto& properties = object.getProperties();

        if (auto* existing = properties.getVarPointer (identifier))
            *existing = std::move (value);
        else
            properties.set (identifier, std::move (value));
    }
}

//==============================================================================
BsonReader::BsonReader (const juce::uint8* bufferStart, juce::uint64 bufferSize, BsonLimits elementLimits) noexcept
    : limits (elementLimits), data (bufferStart), size (bufferSize)
{
}

bool BsonReader::fail (const juce::String& message)
{
    if (error.isEmpty())
        error = message + " (at byte " + juce::String (position) + ")";

    return false;
}

//==============================================================================
bool BsonReader::readDocument (int depth, bool isArray, juce::var& out)
{
    // Checked before the length is read, so the position names the length
    // field of the document that is one level too deep.
    if (depth > maxNestingDepth)
        return fail ("documents nested too deeply");

    const auto start = position;
    juce::int32 declaredLength = 0;

    if (! readInt32 (declaredLength))
        return false;

    if (declaredLength < 5 || (juce::uint64) declaredLength > size - start)
        return fail ("invalid document length " + juce::String (declaredLength));

    juce::var container = isArray ? juce::var (juce::Array<juce::var>())
                                  : juce::var (new juce::DynamicObject());

    if (! readElements (start + (juce::uint64) declaredLength, depth, container))
        return false;

    out = std::move (container);
    return true;
}

bool BsonReader::readElements (juce::uint64 end, int depth, juce::var& container)
{
    for (;;)
    {
        if (remaining() == 0)
            return fail ("unexpected end of document");

        const auto type = data[position++];

        if (type == (juce::uint8) BsonType::endOfDocument)
            return position == end || fail ("document length mismatch");

        const juce::uint8* nameStart = nullptr;
        size_t nameLength = 0;

        if (! readElementName (nameStart, nameLength))
            return false;

        if (position >= end)
            return fail ("element runs past the end of its document");

        if (! countElement (container.getArray() == nullptr))
            return false;

        // The value may run on to the end of the buffer; overrunning its own
        // document is caught afterwards, with the position where it ended.
        juce::var value;

        if (! readValue (type, depth, value))
            return false;

        if (position > end)
            return fail ("element runs past the end of its document");

        // An array's element names are not checked to count up from "0":
        // the items simply keep the order in which they stand.
        if (auto* items = container.getArray())
            items->add (std::move (value));
        else
            setProperty (*container.getDynamicObject(), utf8ToString (nameStart, nameLength), std::move (value));
    }
}

bool BsonReader::readElementName (const juce::uint8*& nameStart, size_t& nameLength)
{
    const auto* terminator = static_cast<const juce::uint8*> (std::memchr (data + position, 0, (size_t) remaining()));

    if (terminator == nullptr)
        return fail ("unterminated cstring");

    nameStart = data + position;
    nameLength = (size_t) (terminator - nameStart);
    position += nameLength + 1;

    return nameLength > 0 || fail ("empty element name");
}

bool BsonReader::countElement (bool named)
{
    if (++numElements > limits.maxElements)
        return fail ("too many elements");

    return ! named || ++numNamedElements <= limits.maxNamedElements
        || fail ("too many named elements");
}

//==============================================================================
bool BsonReader::readValue (juce::uint8 type, int depth, juce::var& out)
{
    switch (static_cast<BsonType> (type))
    {
        case BsonType::float64:    return readFloat64 (out);
        case BsonType::string:     return readString (out);
        case BsonType::document:   return readDocument (depth + 1, false, out);
        case BsonType::array:      return readDocument (depth + 1, true, out);
        case BsonType::binary:     return readBinary (out);
        case BsonType::boolean:    return readBoolean (out);
        case BsonType::null:       out = juce::var(); return true;
        case BsonType::int32:      return readInt32Value (out);
        case BsonType::int64:      return readInt64Value (out);
        case BsonType::endOfDocument:
        default:                   break;
    }

    return fail ("unsupported BSON element type 0x" + juce::String::toHexString ((int) type));
}

//==============================================================================
bool BsonReader::readLittleEndian (int numBytes, juce::uint64& out)
{
    if (remaining() < (juce::uint64) numBytes)
        return fail ("unexpected end of document");

    out = 0;

    for (int i = numBytes; --i >= 0;)
        out = (out << 8) | data[position + (juce::uint64) i];

    position += (juce::uint64) numBytes;
    return true;
}

bool BsonReader::readInt32 (juce::int32& out)
{
    juce::uint64 bits = 0;

    if (! readLittleEndian (4, bits))
        return false;

    out = (juce::int32) (juce::uint32) bits;
    return true;
}

bool BsonReader::readFloat64 (juce::var& out)
{
    juce::uint64 bits = 0;

    if (! readLittleEndian (8, bits))
        return false;

    double value;
    std::memcpy (&value, &bits, sizeof (value));
    out = value;
    return true;
}

bool BsonReader::readString (juce::var& out)
{
    juce::int32 length = 0;

    if (! readInt32 (length))
        return false;

    // The length counts the terminating NUL, so it is at least 1.
    if (length < 1 || (juce::uint64) length > remaining())
        return fail ("invalid string length " + juce::String (length));

    if (data[position + (juce::uint64) length - 1] != 0)
        return fail ("string is not NUL-terminated");

    out = utf8ToString (data + position, (size_t) length - 1);
    position += (juce::uint64) length;
    return true;
}

bool BsonReader::readBinary (juce::var& out)
{
    juce::int32 length = 0;

    if (! readInt32 (length))
        return false;

    if (remaining() == 0)
        return fail ("unexpected end of document");

    // Every subtype reads as plain bytes, so the subtype is skipped.
    ++position;

    if (length < 0 || (juce::uint64) length > remaining())
        return fail ("invalid binary length " + juce::String (length));

    out = juce::var (data + position, (size_t) length);
    position += (juce::uint64) length;
    return true;
}

bool BsonReader::readBoolean (juce::var& out)
{
    juce::uint64 byte = 0;

    if (! readLittleEndian (1, byte))
        return false;

    out = byte != 0;
    return true;
}

bool BsonReader::readInt32Value (juce::var& out)
{
    juce::int32 value = 0;

    if (! readInt32 (value))
        return false;

    out = (int) value;
    return true;
}

bool BsonReader::readInt64Value (juce::var& out)
{
    juce::uint64 bits = 0;

    if (! readLittleEndian (8, bits))
        return false;

    out = (juce::int64) bits;
    return true;
}

} // namespace torvo
