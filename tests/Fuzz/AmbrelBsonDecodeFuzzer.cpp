#include "bson/BsonCodec.h"

#include <cstdio>
#include <cstdlib>

namespace
{

void check (bool condition, const char* what)
{
    if (! condition)
    {
        std::fprintf (stderr, "ambrel_bson_decode_fuzzer: %s\n", what);
        std::abort();
    }
}

} // namespace

// Feeds arbitrary bytes to the decoder as a received frame. Besides crashes
// and sanitizer faults it checks the codec's own promises: a failure leaves
// the output void, and whatever was decoded is written in a form that decodes
// again and then encodes to the very same bytes.
extern "C" int LLVMFuzzerTestOneInput (const juce::uint8* data, size_t size)
{
    juce::var document;

    if (torvo::decodeBsonDocument (data, size, document).failed())
    {
        check (document.isVoid(), "a failed decode left a value behind");
        return 0;
    }

    check (document.getDynamicObject() != nullptr, "a successful decode gave no object");

    const auto written = torvo::encodeBsonDocument (document);
    juce::var again;

    check (torvo::decodeBsonDocument (written.data(), written.size(), again).wasOk(), "the re-encoded document does not decode");
    check (torvo::encodeBsonDocument (again) == written, "the re-encoded document is not stable");
    return 0;
}
