#include "bson/BsonCodec.h"
#include "shapes/BsonShapes.h"
#include "RatioReporter.h"

// Decode time of the shapes that cost the decoder the most per byte, against
// a frame of the same size (2 MiB) that holds one binary element. Each shape
// is measured twice: filling the whole frame, which the decoder refuses at
// its first limit, and with as many units as it accepts, the rest of the
// frame being one binary.

namespace
{

using torvo::shapes::BsonShape;

constexpr size_t frameSize = 2 * 1024 * 1024;

void registerShape (const std::string& operation, BsonShape shape, int numUnits)
{
    const auto bytes = torvo::shapes::makeBsonShape (shape, numUnits, frameSize);

    benchmark::RegisterBenchmark ((operation + "/2MiB").c_str(), [bytes] (benchmark::State& state)
    {
        for (auto _ : state)
        {
            juce::var document;
            benchmark::DoNotOptimize (torvo::decodeBsonDocument (bytes.data(), bytes.size(), document));
            benchmark::DoNotOptimize (document);
        }

        state.SetBytesProcessed (state.iterations() * (int64_t) bytes.size());
    })->Unit (benchmark::kMicrosecond);
}

} // namespace

int main (int argc, char** argv)
{
    registerShape ("binary", BsonShape::binary, 0);
    registerShape ("names-filling", BsonShape::distinctNames, -1);
    registerShape ("names-accepted", BsonShape::distinctNames, 255);
    registerShape ("array-items-filling", BsonShape::arrayItems, -1);
    registerShape ("array-items-accepted", BsonShape::arrayItems, 1022);
    registerShape ("tiny-documents-filling", BsonShape::tinyDocuments, -1);
    registerShape ("tiny-documents-accepted", BsonShape::tinyDocuments, 1022);
    registerShape ("nesting-filling", BsonShape::deepNesting, -1);
    registerShape ("nesting-accepted", BsonShape::deepNesting, 7);

    benchmark::Initialize (&argc, argv);
    torvo::bench::RatioReporter reporter ("binary");
    benchmark::RunSpecifiedBenchmarks (&reporter);
    benchmark::Shutdown();
    return 0;
}
