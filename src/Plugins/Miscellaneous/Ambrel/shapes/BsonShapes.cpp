#include "shapes/BsonShapes.h"

namespace torvo::shapes
{

namespace
{
    using Bytes = std::vector<juce::uint8>;

    constexpr int nestingDepth = 32;

    void appendInt32 (Bytes& bytes, size_t value)
    {
        for (int i = 0; i < 4; ++i)
            bytes.push_back ((juce::uint8) (value >> (8 * i)));
    }

    void patchLength (Bytes& bytes, size_t start)
    {
        const auto length = bytes.size() - start;

        for (size_t i = 0; i < 4; ++i)
            bytes[start + i] = (juce::uint8) (length >> (8 * i));
    }

    void appendName (Bytes& bytes, juce::uint8 type, const juce::String& name)
    {
        bytes.push_back (type);
        bytes.insert (bytes.end(), name.toRawUTF8(), name.toRawUTF8() + name.getNumBytesAsUTF8() + 1);
    }

    // Short names that never repeat: the index in base 62.
    juce::String uniqueName (int index)
    {
        static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        juce::String name;

        do
        {
            name += juce::String::charToString ((juce::juce_wchar) digits[index % 62]);
            index /= 62;
        }
        while (index > 0);

        return name;
    }

    void appendNestedChain (Bytes& bytes, int depth)
    {
        appendName (bytes, 0x03, "n");
        const auto start = bytes.size();
        appendInt32 (bytes, 0);

        if (depth > 1)
            appendNestedChain (bytes, depth - 1);

        bytes.push_back (0);
        patchLength (bytes, start);
    }

    void appendUnit (Bytes& bytes, BsonShape shape, int index)
    {
        switch (shape)
        {
            case BsonShape::distinctNames:  appendName (bytes, 0x0a, uniqueName (index)); break;
            case BsonShape::arrayItems:     appendName (bytes, 0x0a, "0"); break;
            case BsonShape::tinyDocuments:  appendName (bytes, 0x03, "0"); appendInt32 (bytes, 5); bytes.push_back (0); break;
            case BsonShape::deepNesting:    appendNestedChain (bytes, nestingDepth); break;
            case BsonShape::binary:         break;
        }
    }

    bool isInArray (BsonShape shape)
    {
        return shape == BsonShape::arrayItems || shape == BsonShape::tinyDocuments;
    }
}

//==============================================================================
std::vector<juce::uint8> makeBsonShape (BsonShape shape, int numUnits, size_t frameSize, int firstName)
{
    // The padding element's type, name, length, subtype and the final NUL.
    constexpr size_t paddingOverhead = 1 + 2 + 4 + 1 + 1;
    constexpr size_t arrayClosing = 1;

    Bytes bytes;
    appendInt32 (bytes, 0);
    size_t arrayStart = 0;

    if (isInArray (shape))
    {
        appendName (bytes, 0x04, "a");
        arrayStart = bytes.size();
        appendInt32 (bytes, 0);
    }

    for (int index = 0; numUnits < 0 || index < numUnits; ++index)
    {
        const auto before = bytes.size();
        appendUnit (bytes, shape, firstName + index);

        if (numUnits < 0 && (bytes.size() == before || bytes.size() + arrayClosing + paddingOverhead > frameSize))
        {
            bytes.resize (before);
            break;
        }
    }

    if (isInArray (shape))
    {
        bytes.push_back (0);
        patchLength (bytes, arrayStart);
    }

    if (bytes.size() + paddingOverhead <= frameSize)
    {
        const auto padding = frameSize - bytes.size() - paddingOverhead;
        appendName (bytes, 0x05, "p");
        appendInt32 (bytes, padding);
        bytes.push_back (0);
        bytes.resize (bytes.size() + padding, 0xa5);
    }

    bytes.push_back (0);
    patchLength (bytes, 0);
    return bytes;
}

} // namespace torvo::shapes
