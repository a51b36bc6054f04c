#include <gtest/gtest.h>

#include "bson/BsonCodec.h"
#include "HexBytes.h"

using torvo::test::fromHex;

namespace
{

//==============================================================================
struct DecodeErrorCase
{
    const char* name;
    const char* hex;
    const char* message;
};

// Each fixture is the smallest buffer that shows one fault; the expected
// position says which byte the reader had reached when it gave up.
const DecodeErrorCase decodeErrorCases[] =
{
    { "EmptyBuffer",                 "",                                                   "unexpected end of document (at byte 0)" },
    { "ShorterThanLengthField",      "05 00 00",                                           "unexpected end of document (at byte 0)" },
    { "LengthOfFour",                "04 00 00 00  00",                                    "invalid document length 4 (at byte 4)" },
    { "NegativeLength",              "FF FF FF FF  00",                                    "invalid document length -1 (at byte 4)" },
    { "LengthBeyondBuffer",          "06 00 00 00  00",                                    "invalid document length 6 (at byte 4)" },
    { "TrailingByte",                "05 00 00 00  00  00",                                "trailing bytes after the document" },
    { "TerminatorBeforeDeclaredEnd", "06 00 00 00  00  00",                                "document length mismatch (at byte 5)" },
    { "MissingTerminator",           "08 00 00 00  08 61 00 01",                           "unexpected end of document (at byte 8)" },
    { "UnterminatedName",            "08 00 00 00  10 61 62 63",                           "unterminated cstring (at byte 5)" },
    { "EmptyName",                   "07 00 00 00  0A 00  00",                             "empty element name (at byte 6)" },
    { "NameReachesDocumentEnd",      "07 00 00 00  0A 61 00",                              "element runs past the end of its document (at byte 7)" },
    { "ValueOverrunsDocument",       "09 00 00 00  10 61 00 01 00 00 00  00",              "element runs past the end of its document (at byte 11)" },
    { "DoubleTruncated",             "0A 00 00 00  01 61 00 00 00 00",                     "unexpected end of document (at byte 7)" },
    { "Int32Truncated",              "09 00 00 00  10 61 00 05 00",                        "unexpected end of document (at byte 7)" },
    { "Int64Truncated",              "0C 00 00 00  12 61 00 12 34 56 78  00",              "unexpected end of document (at byte 7)" },
    { "StringLengthTruncated",       "09 00 00 00  02 61 00 01 00",                        "unexpected end of document (at byte 7)" },
    { "StringLengthZero",            "0C 00 00 00  02 61 00 00 00 00 00  00",              "invalid string length 0 (at byte 11)" },
    { "StringLengthNegative",        "0C 00 00 00  02 61 00 FF FF FF FF  00",              "invalid string length -1 (at byte 11)" },
    { "StringBeyondBuffer",          "0D 00 00 00  02 61 00 05 00 00 00 62 00",            "invalid string length 5 (at byte 11)" },
    { "StringNotNulTerminated",      "0E 00 00 00  02 61 00 02 00 00 00 62 63  00",        "string is not NUL-terminated (at byte 11)" },
    { "BinaryWithoutSubtype",        "0B 00 00 00  05 61 00 00 00 00 00",                  "unexpected end of document (at byte 11)" },
    { "BinaryLengthNegative",        "0D 00 00 00  05 61 00 FF FF FF FF 00  00",           "invalid binary length -1 (at byte 12)" },
    { "BinaryBeyondBuffer",          "0E 00 00 00  05 61 00 03 00 00 00 00 01  00",        "invalid binary length 3 (at byte 12)" },
    { "TypeUndefined",               "08 00 00 00  06 61 00  00",                          "unsupported BSON element type 0x6 (at byte 7)" },
    { "TypeObjectId",                "08 00 00 00  07 61 00  00",                          "unsupported BSON element type 0x7 (at byte 7)" },
    { "TypeTimestamp",               "08 00 00 00  11 61 00  00",                          "unsupported BSON element type 0x11 (at byte 7)" },
    { "TypeMinKey",                  "08 00 00 00  FF 61 00  00",                          "unsupported BSON element type 0xff (at byte 7)" },
    { "NestedLengthOfFour",          "0D 00 00 00  03 61 00 04 00 00 00 00  00",           "invalid document length 4 (at byte 11)" },
    { "NestedRunsPastOuterEnd",      "0E 00 00 00  03 61 00 08 00 00 00 0A 62 00 00",      "element runs past the end of its document (at byte 15)" },
    { "ArrayItemWithEmptyName",      "0F 00 00 00  04 61 00 07 00 00 00 0A 00 00  00",     "empty element name (at byte 13)" },
};

class BsonDecodeError : public testing::TestWithParam<DecodeErrorCase> {};

TEST_P (BsonDecodeError, FailsWithMessageAndLeavesOutVoid)
{
    const auto bytes = fromHex (GetParam().hex);
    juce::var out ("left over from an earlier call");

    const auto result = torvo::decodeBsonDocument (bytes.data(), bytes.size(), out);

    EXPECT_TRUE (result.failed());
    EXPECT_EQ (result.getErrorMessage(), juce::String (GetParam().message));
    EXPECT_TRUE (out.isVoid());
}

INSTANTIATE_TEST_SUITE_P (Table, BsonDecodeError, testing::ValuesIn (decodeErrorCases),
                          [] (const auto& info) { return std::string (info.param.name); });

//==============================================================================
// Every level adds a type byte, a one-letter name and its NUL before the next
// length field, so level k's length field stands at byte 7k.
std::vector<juce::uint8> nestedDocuments (int levelsBelowTop)
{
    std::vector<juce::uint8> body { 0x05, 0, 0, 0, 0 };

    for (int level = 0; level < levelsBelowTop; ++level)
    {
        const auto type = (juce::uint8) (level % 2 == 0 ? 0x03 : 0x04);
        std::vector<juce::uint8> outer { 0, 0, 0, 0, type, 'a', 0 };
        outer.insert (outer.end(), body.begin(), body.end());
        outer.push_back (0);
        const auto length = (juce::uint32) outer.size();

        for (size_t i = 0; i < 4; ++i)
            outer[i] = (juce::uint8) (length >> (8 * i));

        body = std::move (outer);
    }

    return body;
}

TEST (BsonNesting, ThirtyTwoLevelsBelowTheTopAreAccepted)
{
    const auto bytes = nestedDocuments (32);
    juce::var out;

    EXPECT_TRUE (torvo::decodeBsonDocument (bytes.data(), bytes.size(), out).wasOk());
    EXPECT_TRUE (out.isObject());
}

TEST (BsonNesting, ThirtyThreeLevelsFailAtTheDeepestLengthField)
{
    const auto bytes = nestedDocuments (33);
    juce::var out;

    const auto result = torvo::decodeBsonDocument (bytes.data(), bytes.size(), out);

    EXPECT_EQ (result.getErrorMessage(), juce::String ("documents nested too deeply (at byte 231)"));
    EXPECT_TRUE (out.isVoid());
}

} // namespace
