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

// Units count one element each, a nested chain 32 named ones; an array and
// the padding add one named element each.
const LimitCase limitCases[] =
{
    { "NamedElementsAtTheLimit",         BsonShape::distinctNames, 256,  0,      nullptr },
    { "OneNamedElementTooMany",          BsonShape::distinctNames, 257,  0,      "too many named elements (at byte 970)" },
    { "ArrayItemsAtTheLimit",            BsonShape::arrayItems,    1022, twoMiB, nullptr },
    { "OneArrayItemTooMany",             BsonShape::arrayItems,    1023, twoMiB, "too many elements (at byte 3084)" },
    { "FewTinyDocuments",                BsonShape::tinyDocuments, 100,  0,      nullptr },
    { "TinyDocumentsAtTheLimit",         BsonShape::tinyDocuments, 1022, twoMiB, nullptr },
    { "OneTinyDocumentTooMany",          BsonShape::tinyDocuments, 1023, twoMiB, "too many elements" },
    { "NestedChainsAtTheLimit",          BsonShape::deepNesting,   7,    twoMiB, nullptr },
    { "NestedChainsPastTheLimit",        BsonShape::deepNesting,   8,    twoMiB, "too many named elements" },
    { "FrameOfDistinctNames",            BsonShape::distinctNames, -1,   twoMiB, "too many named elements" },
    { "FrameOfArrayItems",               BsonShape::arrayItems,    -1,   twoMiB, "too many elements" },
    { "FrameOfTinyDocuments",            BsonShape::tinyDocuments, -1,   twoMiB, "too many elements" },
    { "FrameOfNestedChains",             BsonShape::deepNesting,   -1,   twoMiB, "too many named elements" },
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
