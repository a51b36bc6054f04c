#include "bson/BsonType.h"
#include "bson/BsonWriter.h"

#include <charconv>
#include <cstring>

namespace torvo
{

namespace
{
    // The order of the tests matters: a bool also converts to a number, and
    // an array is also an object.
    BsonType typeFor (const juce::var& value) noexcept
    {
        if (value.isBool())         return BsonType::boolean;
        if (value.isInt())          return BsonType::int32;
        if (value.isInt64())        return BsonType::int64;
        if (value.isDouble())       return BsonType::float64;
        if (value.isString())       return BsonType::string;
        if (value.isBinaryData())   return BsonType::binary;
        if (value.isArray())        return BsonType::array;
        if (value.isObject())       return BsonType::document;

        return BsonType::null;
    }
}

//==============================================================================
BsonWriter::BsonWriter (std::vector<juce::uint8>& destination) noexcept
    : output (destination)
{
}

void BsonWriter::writeDocument (const juce::var& value)
{
    const auto start = output.size();
    appendLittleEndian (0, 4);

    if (const auto* items = value.getArray())
    {
        char name[16];

        for (int i = 0; i < items->size(); ++i)
        {
            *std::to_chars (name, name + sizeof (name) - 1, i).ptr = 0;
            writeElement (name, items->getReference (i));
        }
    }
    else if (auto* object = value.getDynamicObject())
    {
        for (const auto& property : object->getProperties())
            writeElement (property.name.toString().toRawUTF8(), property.value);
    }

    output.push_back ((juce::uint8) BsonType::endOfDocument);

    const auto length = (juce::uint32) (output.size() - start);

    for (size_t i = 0; i < 4; ++i)
        output[start + i] = (juce::uint8) (length >> (8 * i));
}

void BsonWriter::writeElement (const char* utf8Name, const juce::var& value)
{
    const auto type = (juce::uint8) typeFor (value);
    output.push_back (type);
    appendBytes (utf8Name, std::strlen (utf8Name) + 1);
    writeValue (type, value);
}

//==============================================================================
void BsonWriter::writeValue (juce::uint8 type, const juce::var& value)
{
    switch (static_cast<BsonType> (type))
    {
        case BsonType::boolean:
            output.push_back ((bool) value ? 1 : 0);
            break;

        case BsonType::int32:
            appendLittleEndian ((juce::uint32) (int) value, 4);
            break;

        case BsonType::int64:
            appendLittleEndian ((juce::uint64) (juce::int64) value, 8);
            break;

        case BsonType::float64:
        {
            const auto number = (double) value;
            juce::uint64 bits;
            std::memcpy (&bits, &number, sizeof (bits));
            appendLittleEndian (bits, 8);
            break;
        }

        case BsonType::string:
        {
            const auto text = value.toString();
            const auto numBytes = text.getNumBytesAsUTF8();
            appendLittleEndian ((juce::uint32) (numBytes + 1), 4);
            appendBytes (text.toRawUTF8(), numBytes + 1);
            break;
        }

        case BsonType::binary:
        {
            const auto* block = value.getBinaryData();
            appendLittleEndian ((juce::uint32) block->getSize(), 4);
            output.push_back (0x00);    // generic binary subtype
            appendBytes (block->getData(), block->getSize());
            break;
        }

        case BsonType::array:
        case BsonType::document:
            writeDocument (value);
            break;

        case BsonType::null:
        case BsonType::endOfDocument:
        default:
            break;
    }
}

void BsonWriter::appendLittleEndian (juce::uint64 bits, int numBytes)
{
    for (int i = 0; i < numBytes; ++i)
        output.push_back ((juce::uint8) (bits >> (8 * i)));
}

void BsonWriter::appendBytes (const void* bytes, size_t numBytes)
{
    if (numBytes > 0)
        output.insert (output.end(), static_cast<const juce::uint8*> (bytes),
                       static_cast<const juce::uint8*> (bytes) + numBytes);
}

} // namespace torvo
