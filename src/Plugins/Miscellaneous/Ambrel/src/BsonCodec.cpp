#include "BsonCodec.h"
#include "BsonReader.h"
#include "BsonWriter.h"

namespace torvo
{

juce::Result decodeBsonDocument (const void* data, size_t size, juce::var& out)
{
    out = juce::var();

    BsonReader reader (static_cast<const juce::uint8*> (data), (juce::uint64) size);
    juce::var document;

    if (! reader.readDocument (0, false, document))
        return juce::Result::fail (reader.error);

    // A frame holds exactly one document; anything after it is a framing fault.
    if (reader.position != reader.size)
        return juce::Result::fail ("trailing bytes after the document");

    out = std::move (document);
    return juce::Result::ok();
}

std::vector<juce::uint8> encodeBsonDocument (const juce::var& value)
{
    std::vector<juce::uint8> bytes;
    BsonWriter (bytes).writeDocument (value);
    return bytes;
}

} // namespace torvo
