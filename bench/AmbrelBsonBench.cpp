#include "bson/BsonCodec.h"
#include "RatioReporter.h"

#include <cstring>

// Decode and encode throughput of typical grading messages, against a plain
// copy of the same bytes. The shapes follow the grading protocol:
//   setCDL:      command, protocol, one channel, slope/offset/power documents
//                of three doubles each, saturation.
//   hello reply: result, version, one protocol document whose channel list
//                holds 8 channel documents (name, two string arrays, three ints).
//   setLUT:      command, protocol, one channel, dataType, size and the table
//                as one binary: 33^3 float32 entries of 16 bytes (574,992
//                bytes) or 65^3 uint16 entries of 6 bytes (1,647,750 bytes).

namespace
{

juce::var object (std::initializer_list<std::pair<const char*, juce::var>> properties)
{
    auto* result = new juce::DynamicObject();

    for (const auto& [name, value] : properties)
        result->setProperty (name, value);

    return juce::var (result);
}

juce::var rgb (double red, double green, double blue)
{
    return object ({ { "red", red }, { "green", green }, { "blue", blue } });
}

juce::var setCdlRequest()
{
    return object ({ { "command", "setCDL" }, { "protocol", "grading" },
                     { "channels", juce::Array<juce::var> { "default" } },
                     { "slope", rgb (1.1, 1.0, 0.9) }, { "offset", rgb (0.01, 0.0, -0.01) },
                     { "power", rgb (1.0, 1.2, 1.0) }, { "saturation", 0.95 } });
}

juce::var helloReply (int numChannels)
{
    juce::Array<juce::var> channels;

    for (int i = 0; i < numChannels; ++i)
        channels.add (object ({ { "channel", "channel " + juce::String (i + 1) },
                                { "supportedCommands", juce::Array<juce::var> { "setCDL", "setLUT" } },
                                { "lutDataTypes", juce::Array<juce::var> { "float32", "uint16" } },
                                { "lutSizes", juce::Array<juce::var> { 17, 33, 65 } } }));

    const auto protocol = object ({ { "protocol", "grading" }, { "version", "1.0" },
                                    { "capabilities", object ({ { "supportsBatchedChannelUpdates", true } }) },
                                    { "channels", channels } });

    return object ({ { "result", "ok" }, { "version", "1.0" }, { "protocols", juce::Array<juce::var> { protocol } } });
}

juce::var setLutRequest (const char* dataType, int size, size_t bytesPerEntry)
{
    juce::MemoryBlock table ((size_t) size * (size_t) size * (size_t) size * bytesPerEntry);
    juce::Random random (1);

    for (size_t i = 0; i < table.getSize(); ++i)
        table[i] = (char) random.nextInt (256);

    return object ({ { "command", "setLUT" }, { "protocol", "grading" },
                     { "channels", juce::Array<juce::var> { "default" } },
                     { "dataType", dataType }, { "size", size }, { "data", table } });
}

//==============================================================================
void registerCase (const std::string& name, const juce::var& message)
{
    const auto bytes = torvo::encodeBsonDocument (message);
    const auto numBytes = (int64_t) bytes.size();

    benchmark::RegisterBenchmark (("copy/" + name).c_str(), [bytes, numBytes] (benchmark::State& state)
    {
        std::vector<juce::uint8> destination (bytes.size());

        for (auto _ : state)
        {
            std::memcpy (destination.data(), bytes.data(), bytes.size());
            benchmark::DoNotOptimize (destination.data());
            benchmark::ClobberMemory();
        }

        state.SetBytesProcessed (state.iterations() * numBytes);
    });

    benchmark::RegisterBenchmark (("decode/" + name).c_str(), [bytes, numBytes] (benchmark::State& state)
    {
        for (auto _ : state)
        {
            juce::var document;
            benchmark::DoNotOptimize (torvo::decodeBsonDocument (bytes.data(), bytes.size(), document));
            benchmark::DoNotOptimize (document);
        }

        state.SetBytesProcessed (state.iterations() * numBytes);
    });

    benchmark::RegisterBenchmark (("encode/" + name).c_str(), [message, numBytes] (benchmark::State& state)
    {
        for (auto _ : state)
            benchmark::DoNotOptimize (torvo::encodeBsonDocument (message));

        state.SetBytesProcessed (state.iterations() * numBytes);
    });
}

} // namespace

int main (int argc, char** argv)
{
    registerCase ("setCDL", setCdlRequest());
    registerCase ("hello-8-channels", helloReply (8));
    registerCase ("setLUT-33-float32", setLutRequest ("float32", 33, 16));
    registerCase ("setLUT-65-uint16", setLutRequest ("uint16", 65, 6));

    benchmark::Initialize (&argc, argv);
    torvo::bench::RatioReporter reporter ("copy");
    benchmark::RunSpecifiedBenchmarks (&reporter);
    benchmark::Shutdown();
    return 0;
}
