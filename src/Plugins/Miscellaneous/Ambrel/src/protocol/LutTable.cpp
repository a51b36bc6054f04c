#include "protocol/LutTable.h"
#include "protocol/RequestValues.h"
#include <cstring>

namespace torvo
{

namespace
{
    constexpr juce::int64 float32EntryBytes = 16;
    constexpr juce::int64 uint16EntryBytes = 6;

    juce::String describeMismatch (const juce::String& dataType, size_t got, juce::int64 expected)
    {
        return dataType + " LUT size mismatch: got " + juce::String ((juce::int64) got) + ", expected " + juce::String (expected);
    }

    /** The entry count of a cube whose size is so large that it does not fit
        32 bits: it can never match the data, and is refused as a mismatch
        whose expected length is written out exactly. */
    juce::String describeOversizedCube (const juce::String& dataType, size_t got, int size, juce::int64 entryBytes)
    {
        juce::BigInteger expected ((juce::int64) size);
        expected *= juce::BigInteger ((juce::int64) size);
        expected *= juce::BigInteger ((juce::int64) size);
        expected *= juce::BigInteger (entryBytes);
        return dataType + " LUT size mismatch: got " + juce::String ((juce::int64) got) + ", expected " + expected.toString (10);
    }

    /** The largest size whose cube fits a signed 32-bit count. */
    constexpr int largestCubeSize = 1290;
}

juce::String readLutTable (const juce::var& request, LutTable& table)
{
    table.dataType = describeRequestValue (request.getProperty ("dataType", "float32"));
    table.size = readRequestInt32 (request.getProperty ("size", 0));

    if (table.size < 2)
        return "Invalid LUT size: " + juce::String (table.size);

    const auto data = request.getProperty ("data", {});
    const auto* bytes = data.getBinaryData();

    if (bytes == nullptr)
        return "Missing or non-binary LUT data";

    if (table.dataType != "float32" && table.dataType != "uint16")
        return "Unsupported LUT dataType: " + table.dataType + " (expected float32 or uint16)";

    const auto entryBytes = table.dataType == "float32" ? float32EntryBytes : uint16EntryBytes;

    // A cube beyond 32 bits can never match the data, which a frame limits
    // to 64 MiB, so it fails as a length mismatch instead of wrapping around.
    if (table.size > largestCubeSize)
        return describeOversizedCube (table.dataType, bytes->getSize(), table.size, entryBytes);

    const auto entries = (juce::int64) table.size * table.size * table.size;

    if (table.dataType == "float32")
    {
        if ((juce::int64) bytes->getSize() != entries * float32EntryBytes)
            return describeMismatch ("float32", bytes->getSize(), entries * float32EntryBytes);

        const auto* first = static_cast<const juce::uint8*> (bytes->getData());
        table.texels.assign (first, first + bytes->getSize());
        return {};
    }

    if ((juce::int64) bytes->getSize() != entries * uint16EntryBytes)
        return describeMismatch ("uint16", bytes->getSize(), entries * uint16EntryBytes);

    table.texels.resize ((size_t) (entries * float32EntryBytes));
    convertUint16Texels (static_cast<const juce::uint8*> (bytes->getData()), (size_t) entries, table.texels.data());
    return {};
}

void convertUint16Texels (const juce::uint8* entries, size_t numEntries, juce::uint8* texels)
{
    for (size_t i = 0; i < numEntries; ++i)
    {
        const auto* entry = entries + i * 6;
        const float texel[4] = { (float) juce::ByteOrder::littleEndianShort (entry) / 65535.0f,
                                 (float) juce::ByteOrder::littleEndianShort (entry + 2) / 65535.0f,
                                 (float) juce::ByteOrder::littleEndianShort (entry + 4) / 65535.0f,
                                 1.0f };

        for (size_t c = 0; c < 4; ++c)
        {
            juce::uint32 bits;
            std::memcpy (&bits, texel + c, sizeof (bits));
            bits = juce::ByteOrder::swapIfBigEndian (bits);
            std::memcpy (texels + i * 16 + c * 4, &bits, sizeof (bits));
        }
    }
}

} // namespace torvo
