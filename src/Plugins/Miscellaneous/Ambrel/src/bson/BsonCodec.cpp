#include "bson/BsonCodec.h"
#include "bson/BsonReader.h"
#include "bson/BsonWriter.h"

#include <atomic>

namespace torvo
{

namespace
{
    // Element names stay in JUCE's process-wide identifier pool, which keeps
    // them sorted and so inserts in linear time, until it is next collected;
    // on its own it collects only every 30 s. A stream of frames with fresh
    // names would grow it without bound in between, so once this many names
    // have been decoded the pool drops every name that nothing holds any
    // more. The collection's cost is spread over the names that caused it.
    constexpr int namesBetweenPoolCollections = 2048;

    std::atomic<int> namesSincePoolCollection { 0 };

    void notePooledNames (int numNames)
    {
        if (namesSincePoolCollection.fetch_add (numNames) + numNames < namesBetweenPoolCollections)
            return;

        namesSincePoolCollection = 0;
        juce::StringPool::getGlobalPool().garbageCollect();
    }
}

juce::Result decodeBsonDocument (const void* data, size_t size, juce::var& out, BsonLimits limits)
{
    out = juce::var();

    BsonReader reader (static_cast<const juce::uint8*> (data), (juce::uint64) size, limits);
    juce::var document;

    const auto read = reader.readDocument (0, false, document);
    notePooledNames (reader.numNamedElements);

    if (! read)
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
