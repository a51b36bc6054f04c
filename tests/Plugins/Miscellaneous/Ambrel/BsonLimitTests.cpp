#include <gtest/gtest.h>

#include "bson/BsonCodec.h"
#include "shapes/BsonShapes.h"

using torvo::shapes::BsonShape;
using torvo::shapes::makeBsonShape;

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

//==============================================================================
// Names that no tree holds any more must leave the process-wide identifier
// pool well before its own 30 s collection, or every frame of fresh names
// inserts into a longer sorted pool than the one before. 600 frames of 256
// fresh names take about a second when the pool is kept short and minutes
// when it is not; the bound only tells the two apart.
TEST (BsonLimit, FramesOfFreshNamesDoNotPileUpInTheIdentifierPool)
{
    constexpr int numFrames = 600;
    const auto started = juce::Time::getMillisecondCounterHiRes();

    for (int frame = 0; frame < numFrames; ++frame)
    {
        const auto bytes = makeBsonShape (BsonShape::distinctNames, 256, 0, frame * 256);
        juce::var out;
        ASSERT_TRUE (torvo::decodeBsonDocument (bytes.data(), bytes.size(), out).wasOk());
    }

    EXPECT_LT (juce::Time::getMillisecondCounterHiRes() - started, 20000.0);
}

} // namespace

namespace
{

//==============================================================================
// A reply comes from the server the user chose, so it may hold far more than
// a request (a hello reply of thousands of channels), but it is bounded all
// the same.
TEST (BsonLimit, RepliesAdmitFarMoreElementsThanRequestsButNotWithoutBound)
{
    const auto limits = torvo::BsonLimits::forReplies();
    const auto atTheLimit = makeBsonShape (BsonShape::distinctNames, limits.maxNamedElements, 0);
    const auto pastTheLimit = makeBsonShape (BsonShape::distinctNames, limits.maxNamedElements + 1, 0);
    juce::var out;

    EXPECT_FALSE (torvo::decodeBsonDocument (atTheLimit.data(), atTheLimit.size(), out).wasOk());
    EXPECT_TRUE (torvo::decodeBsonDocument (atTheLimit.data(), atTheLimit.size(), out, limits).wasOk());
    EXPECT_EQ (out.getDynamicObject()->getProperties().size(), limits.maxNamedElements);

    const auto refused = torvo::decodeBsonDocument (pastTheLimit.data(), pastTheLimit.size(), out, limits);
    EXPECT_TRUE (refused.getErrorMessage().startsWith ("too many named elements")) << refused.getErrorMessage();
    EXPECT_TRUE (out.isVoid());
}

} // namespace
