#include <gtest/gtest.h>

#include "BsonCodec.h"
#include "BsonShapes.h"

using torvo::test::BsonShape;
using torvo::test::makeBsonShape;

namespace
{

constexpr size_t twoMiB = 2 * 1024 * 1024;

//==============================================================================
struct LimitCase
{
    const char* name;
    BsonShape shape;
    int numUnits;        // negative: as many as the frame holds
    size_t frameSize;    // 0: no padding
    const char* refusal; // nullptr: the frame decodes
};

// Units count one element each, a nested chain 32 named ones; an array adds
// one named element of its own. Padding raises the frame's size, and with it
// the memory that the decoded tree may take, by one named element.
const LimitCase limitCases[] =
{
    { "NamedElementsAtTheLimit",        BsonShape::distinctNames, 1024,  0,      nullptr },
    { "OneNamedElementTooMany",         BsonShape::distinctNames, 1025,  0,      "too many named elements (at byte 4042)" },
    { "ArrayItemsAtTheLimit",           BsonShape::arrayItems,    16382, twoMiB, nullptr },
    { "OneArrayItemTooMany",            BsonShape::arrayItems,    16383, twoMiB, "too many elements (at byte 49164)" },
    { "ArrayItemsOutgrowingTheFrame",   BsonShape::arrayItems,    16382, 0,      "decoded document too large for its frame" },
    { "FewTinyDocuments",               BsonShape::tinyDocuments, 100,   0,      nullptr },
    { "TinyDocumentsOutgrowingTheFrame", BsonShape::tinyDocuments, 4000, 0,      "decoded document too large for its frame" },
    { "TinyDocumentsInALargerFrame",    BsonShape::tinyDocuments, 4000,  twoMiB, nullptr },
    { "NestedChainsInALargerFrame",     BsonShape::deepNesting,   31,    twoMiB, nullptr },
    { "NestedChainsOutgrowingTheFrame", BsonShape::deepNesting,   31,    0,      "decoded document too large for its frame" },
    { "NestedChainsPastTheLimit",       BsonShape::deepNesting,   32,    twoMiB, "too many named elements" },
    { "FrameOfDistinctNames",           BsonShape::distinctNames, -1,    twoMiB, "too many named elements" },
    { "FrameOfArrayItems",              BsonShape::arrayItems,    -1,    twoMiB, "too many elements" },
    { "FrameOfTinyDocuments",           BsonShape::tinyDocuments, -1,    twoMiB, "too many elements" },
    { "FrameOfNestedChains",            BsonShape::deepNesting,   -1,    twoMiB, "too many named elements" },
};

class BsonLimit : public testing::TestWithParam<LimitCase> {};

TEST_P (BsonLimit, AcceptsUpToTheLimitAndRefusesBeyondIt)
{
    const auto& limitCase = GetParam();
    const auto bytes = makeBsonShape (limitCase.shape, limitCase.numUnits, limitCase.frameSize);
    juce::var out;

    const auto result = torvo::decodeBsonDocument (bytes.data(), bytes.size(), out);

    if (limitCase.refusal == nullptr)
    {
        EXPECT_TRUE (result.wasOk()) << result.getErrorMessage();
        EXPECT_TRUE (out.isObject());
    }
    else
    {
        EXPECT_TRUE (result.getErrorMessage().startsWith (limitCase.refusal)) << result.getErrorMessage();
        EXPECT_TRUE (out.isVoid());
    }
}

INSTANTIATE_TEST_SUITE_P (Table, BsonLimit, testing::ValuesIn (limitCases),
                          [] (const auto& info) { return std::string (info.param.name); });

} // namespace
