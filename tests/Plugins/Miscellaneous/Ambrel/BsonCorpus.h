#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace torvo::test
{

//==============================================================================
/** One binary case of the public BSON conformance corpus. */
struct BsonCorpusCase
{
    /** Which list of its file the case comes from. */
    enum class Kind { canonical, degenerate, decodeError };

    juce::String file;                  // e.g. "string.json"
    juce::String description;
    Kind kind;
    int fileType;                       // the file's bson_type; 0 for whole-document files
    std::vector<juce::uint8> input;     // the bytes to decode
    std::vector<juce::uint8> canonical; // the expected re-encoding; empty for decode errors
};

/** The folder of the corpus: the environment variable TORVO_BSON_CORPUS_DIR
    when it is set, otherwise the folder the build was configured with.
*/
juce::File bsonCorpusFolder();

/** Reads every JSON file of the corpus folder: the canonical and degenerate
    encodings of its valid cases and the inputs of its decode errors. The
    Extended JSON parts are not read.
*/
std::vector<BsonCorpusCase> loadBsonCorpus (const juce::File& folder);

/** "canonical", "degenerate" or "decodeError", for test output. */
const char* toString (BsonCorpusCase::Kind kind);

} // namespace torvo::test
