#include <gtest/gtest.h>

#include "bson/BsonCodec.h"
#include "BsonCorpus.h"
#include "HexBytes.h"

#include <set>

using torvo::test::BsonCorpusCase;
using torvo::test::normalisedHex;
using torvo::test::toHex;
using Kind = BsonCorpusCase::Kind;

namespace
{

//==============================================================================
/** A corpus case that the codec's own rules decide differently from a strict
    BSON decoder, or whose value the in-memory model cannot carry unchanged.
    Exactly one of error and reencoded is set.
*/
struct ExpectedDifference
{
    const char* file;
    const char* description;
    Kind kind;
    const char* error;      // the decoder refuses the case with this message
    const char* reencoded;  // the decoder accepts it, and the writer gives these bytes
    const char* reason;
};

constexpr auto subtypeDropped   = "the binary subtype is read and dropped; the writer always writes subtype 0x00";
constexpr auto oldBinaryInner   = "old binary (subtype 0x02) is read as plain bytes, so its inner length is not checked";
constexpr auto booleanNonZero   = "any non-zero boolean byte reads as true";
constexpr auto emptyName        = "element names must be non-empty, also inside arrays";
constexpr auto objectIdInside   = "the document holds an ObjectId (0x07), which the codec does not support";
constexpr auto textEndsAtNul    = "juce::String cannot hold U+0000, so the text ends at the first NUL";
constexpr auto utf8Replaced     = "string bytes are not validated: ill-formed UTF-8 is replaced by U+FFFD";

const ExpectedDifference expectedDifferences[] =
{
    { "array.json",   "Single Element Array with index set incorrectly to empty string", Kind::degenerate,
      "empty element name (at byte 13)", nullptr, emptyName },
    { "document.json", "Empty-string key subdoc", Kind::canonical,
      "empty element name (at byte 13)", nullptr, emptyName },

    { "binary.json", "subtype 0x01",       Kind::canonical, nullptr, "0F0000000578000200000000FFFF00", subtypeDropped },
    { "binary.json", "subtype 0x02",       Kind::canonical, nullptr, "13000000057800060000000002000000FFFF00", subtypeDropped },
    { "binary.json", "subtype 0x03",       Kind::canonical, nullptr, "1D000000057800100000000073FFD26444B34C6990E8E7D1DFC035D400", subtypeDropped },
    { "binary.json", "subtype 0x04",       Kind::canonical, nullptr, "1D000000057800100000000073FFD26444B34C6990E8E7D1DFC035D400", subtypeDropped },
    { "binary.json", "subtype 0x04 UUID",  Kind::canonical, nullptr, "1D000000057800100000000073FFD26444B34C6990E8E7D1DFC035D400", subtypeDropped },
    { "binary.json", "subtype 0x05",       Kind::canonical, nullptr, "1D000000057800100000000073FFD26444B34C6990E8E7D1DFC035D400", subtypeDropped },
    { "binary.json", "subtype 0x07",       Kind::canonical, nullptr, "1D000000057800100000000073FFD26444B34C6990E8E7D1DFC035D400", subtypeDropped },
    { "binary.json", "subtype 0x08",       Kind::canonical, nullptr, "1D000000057800100000000073FFD26444B34C6990E8E7D1DFC035D400", subtypeDropped },
    { "binary.json", "subtype 0x80",       Kind::canonical, nullptr, "0F0000000578000200000000FFFF00", subtypeDropped },
    { "binary.json", "subtype 0x09 Vector FLOAT32",                Kind::canonical, nullptr, "170000000578000A0000000027000000FE420000E04000", subtypeDropped },
    { "binary.json", "subtype 0x09 Vector INT8",                   Kind::canonical, nullptr, "11000000057800040000000003007F0700", subtypeDropped },
    { "binary.json", "subtype 0x09 Vector PACKED_BIT",             Kind::canonical, nullptr, "11000000057800040000000010007F0700", subtypeDropped },
    { "binary.json", "subtype 0x09 Vector (Zero-length) FLOAT32",  Kind::canonical, nullptr, "0F0000000578000200000000270000", subtypeDropped },
    { "binary.json", "subtype 0x09 Vector (Zero-length) INT8",     Kind::canonical, nullptr, "0F0000000578000200000000030000", subtypeDropped },
    { "binary.json", "subtype 0x09 Vector (Zero-length) PACKED_BIT", Kind::canonical, nullptr, "0F0000000578000200000000100000", subtypeDropped },

    { "binary.json", "subtype 0x02 length too long ",    Kind::decodeError, nullptr, "13000000057800060000000003000000FFFF00", oldBinaryInner },
    { "binary.json", "subtype 0x02 length too short",    Kind::decodeError, nullptr, "13000000057800060000000001000000FFFF00", oldBinaryInner },
    { "binary.json", "subtype 0x02 length negative one", Kind::decodeError, nullptr, "130000000578000600000000FFFFFFFFFFFF00", oldBinaryInner },

    { "boolean.json", "Invalid boolean value of 2",  Kind::decodeError, nullptr, "090000000862000100", booleanNonZero },
    { "boolean.json", "Invalid boolean value of -1", Kind::decodeError, nullptr, "090000000862000100", booleanNonZero },

    { "string.json", "Embedded nulls", Kind::canonical,   nullptr, "0F0000000261000300000061620000", textEndsAtNul },
    { "string.json", "invalid UTF-8",  Kind::decodeError, nullptr, "1000000002610004000000EFBFBD0000", utf8Replaced },

    { "dbref.json", "DBRef",                                      Kind::canonical, "unsupported BSON element type 0x7 (at byte 41)", nullptr, objectIdInside },
    { "dbref.json", "DBRef with database",                        Kind::canonical, "unsupported BSON element type 0x7 (at byte 41)", nullptr, objectIdInside },
    { "dbref.json", "DBRef with additional fields",               Kind::canonical, "unsupported BSON element type 0x7 (at byte 41)", nullptr, objectIdInside },
    { "dbref.json", "Document with key names similar to those of a DBRef", Kind::canonical, "unsupported BSON element type 0x7 (at byte 31)", nullptr, objectIdInside },
    { "dbref.json", "DBRef with additional dollar-prefixed and dotted fields", Kind::canonical, "unsupported BSON element type 0x7 (at byte 41)", nullptr, objectIdInside },
    { "dbref.json", "Sub-document resembles DBRef but $ref is not a string", Kind::canonical, "unsupported BSON element type 0x7 (at byte 30)", nullptr, objectIdInside },
    { "dbref.json", "Sub-document resembles DBRef but $db is not a string",  Kind::canonical, "unsupported BSON element type 0x7 (at byte 41)", nullptr, objectIdInside },

    { "multi-type.json",            "All BSON types", Kind::canonical, "unsupported BSON element type 0x7 (at byte 9)", nullptr, objectIdInside },
    { "multi-type-deprecated.json", "All BSON types", Kind::canonical, "unsupported BSON element type 0x7 (at byte 9)", nullptr, objectIdInside },
};

//==============================================================================
const juce::File corpusFolder = torvo::test::bsonCorpusFolder();

const std::vector<BsonCorpusCase>& corpus()
{
    static const auto cases = torvo::test::loadBsonCorpus (corpusFolder);
    return cases;
}

/** The corpus is public data kept outside the repository, so its tests skip
    when it is not there rather than fail a checkout that stands alone.
*/
class BsonCorpus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (! corpusFolder.isDirectory())
            GTEST_SKIP() << "the BSON conformance corpus (the public JSON test files of the BSON "
                            "format) is not at " << corpusFolder.getFullPathName()
                         << "; set TORVO_BSON_CORPUS_DIR to its folder to run these tests";
    }
};

bool isSupportedType (int fileType)
{
    // 0 marks the files of whole documents, which mix types.
    static const std::set<int> supported { 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x08, 0x0a, 0x10, 0x12 };
    return supported.count (fileType) > 0;
}

const ExpectedDifference* findDifference (const BsonCorpusCase& c)
{
    for (const auto& difference : expectedDifferences)
        if (c.file == difference.file && c.description == difference.description && c.kind == difference.kind)
            return &difference;

    return nullptr;
}

std::string describe (const BsonCorpusCase& c)
{
    return (c.file + " / " + c.description + " / " + toString (c.kind)).toStdString();
}

struct Decoded
{
    juce::Result result;
    juce::var document;
};

Decoded decode (const BsonCorpusCase& c)
{
    Decoded decoded { juce::Result::ok(), {} };
    decoded.result = torvo::decodeBsonDocument (c.input.data(), c.input.size(), decoded.document);
    return decoded;
}

//==============================================================================
TEST_F (BsonCorpus, HoldsCasesOfEveryTypeTheTestsRelyOn)
{
    std::set<int> typesSeen;

    for (const auto& c : corpus())
        typesSeen.insert (c.fileType);

    for (const auto type : { 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x08, 0x0a, 0x10, 0x12, 0x07, 0x13 })
        EXPECT_EQ (typesSeen.count (type), 1u) << "no cases of type " << type;
}

TEST_F (BsonCorpus, ValidCasesOfSupportedTypesReencodeCanonically)
{
    for (const auto& c : corpus())
    {
        if (c.kind == Kind::decodeError || ! isSupportedType (c.fileType) || findDifference (c) != nullptr)
            continue;

        SCOPED_TRACE (describe (c));
        const auto decoded = decode (c);

        ASSERT_TRUE (decoded.result.wasOk()) << decoded.result.getErrorMessage();
        EXPECT_EQ (toHex (torvo::encodeBsonDocument (decoded.document)), toHex (c.canonical));
    }
}

TEST_F (BsonCorpus, ValidCasesOfUnsupportedTypesNameTheirType)
{
    for (const auto& c : corpus())
    {
        if (c.kind == Kind::decodeError || isSupportedType (c.fileType))
            continue;

        SCOPED_TRACE (describe (c));
        const auto decoded = decode (c);
        const auto expected = "unsupported BSON element type 0x" + juce::String::toHexString (c.fileType) + " (at byte ";

        EXPECT_TRUE (decoded.result.getErrorMessage().startsWith (expected)) << decoded.result.getErrorMessage();
        EXPECT_TRUE (decoded.document.isVoid());
    }
}

TEST_F (BsonCorpus, DecodeErrorsAreRejected)
{
    for (const auto& c : corpus())
    {
        if (c.kind != Kind::decodeError || findDifference (c) != nullptr)
            continue;

        SCOPED_TRACE (describe (c));
        const auto decoded = decode (c);

        EXPECT_TRUE (decoded.result.failed());
        EXPECT_TRUE (decoded.document.isVoid());
    }
}

TEST_F (BsonCorpus, ExpectedDifferencesHoldForRealCases)
{
    for (const auto& difference : expectedDifferences)
    {
        SCOPED_TRACE (std::string (difference.file) + " / " + difference.description + " (" + difference.reason + ")");

        const auto match = std::find_if (corpus().begin(), corpus().end(),
                                         [&] (const auto& c) { return findDifference (c) == &difference; });
        ASSERT_NE (match, corpus().end()) << "no such corpus case";

        const auto decoded = decode (*match);

        if (difference.error != nullptr)
        {
            EXPECT_EQ (decoded.result.getErrorMessage(), juce::String (difference.error));
        }
        else
        {
            ASSERT_TRUE (decoded.result.wasOk()) << decoded.result.getErrorMessage();
            EXPECT_EQ (toHex (torvo::encodeBsonDocument (decoded.document)), normalisedHex (difference.reencoded));
        }
    }
}

} // namespace
