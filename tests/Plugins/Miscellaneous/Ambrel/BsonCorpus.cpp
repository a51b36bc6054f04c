#include "BsonCorpus.h"
#include "HexBytes.h"

namespace torvo::test
{

namespace
{
    void addCases (std::vector<BsonCorpusCase>& cases, const juce::File& file)
    {
        const auto json = juce::JSON::parse (file.loadFileAsString());
        const auto fileType = json["bson_type"].toString().getHexValue32();
        const auto makeCase = [&] (const juce::var& entry, BsonCorpusCase::Kind kind, const juce::var& input)
        {
            const auto canonical = kind == BsonCorpusCase::Kind::decodeError ? std::vector<juce::uint8>()
                                                                             : fromHex (entry["canonical_bson"].toString());
            cases.push_back ({ file.getFileName(), entry["description"].toString(), kind, fileType,
                               fromHex (input.toString()), canonical });
        };

        if (const auto* valid = json["valid"].getArray())
        {
            for (const auto& entry : *valid)
            {
                makeCase (entry, BsonCorpusCase::Kind::canonical, entry["canonical_bson"]);

                if (entry.hasProperty ("degenerate_bson"))
                    makeCase (entry, BsonCorpusCase::Kind::degenerate, entry["degenerate_bson"]);
            }
        }

        if (const auto* errors = json["decodeErrors"].getArray())
            for (const auto& entry : *errors)
                makeCase (entry, BsonCorpusCase::Kind::decodeError, entry["bson"]);
    }
}

//==============================================================================
juce::File bsonCorpusFolder()
{
    const auto fromEnvironment = juce::SystemStats::getEnvironmentVariable ("TORVO_BSON_CORPUS_DIR", {});
    return juce::File::getCurrentWorkingDirectory().getChildFile (fromEnvironment.isNotEmpty() ? fromEnvironment
                                                                                             : juce::String (TORVO_BSON_CORPUS_DIR));
}

std::vector<BsonCorpusCase> loadBsonCorpus (const juce::File& folder)
{
    std::vector<BsonCorpusCase> cases;

    for (const auto& file : folder.findChildFiles (juce::File::findFiles, false, "*.json"))
        addCases (cases, file);

    return cases;
}

const char* toString (BsonCorpusCase::Kind kind)
{
    switch (kind)
    {
        case BsonCorpusCase::Kind::canonical:   return "canonical";
        case BsonCorpusCase::Kind::degenerate:  return "degenerate";
        case BsonCorpusCase::Kind::decodeError: return "decodeError";
    }

    return "";
}

} // namespace torvo::test
