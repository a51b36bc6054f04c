#include <gtest/gtest.h>

#include "bson/BsonCodec.h"
#include "HexBytes.h"

#include <limits>

using torvo::test::fromHex;
using torvo::test::normalisedHex;
using torvo::test::toHex;

namespace
{

juce::var object (std::initializer_list<std::pair<const char*, juce::var>> properties)
{
    auto* result = new juce::DynamicObject();

    for (const auto& [name, value] : properties)
        result->setProperty (name, value);

    return juce::var (result);
}

// The shape of a grading application's hello reply: nested documents and
// arrays of strings, ints, bools and documents.
juce::var helloReply()
{
    const auto channel = [] (const char* name)
    {
        return object ({ { "channel", name },
                         { "supportedCommands", juce::Array<juce::var> { "setCDL", "setLUT" } },
                         { "lutDataTypes", juce::Array<juce::var> { "float32", "uint16" } },
                         { "lutSizes", juce::Array<juce::var> { 17, 33, 65 } } });
    };

    const auto protocol = object ({ { "protocol", "grading" },
                                    { "version", "1.0" },
                                    { "capabilities", object ({ { "supportsBatchedChannelUpdates", true } }) },
                                    { "channels", juce::Array<juce::var> { channel ("a"), channel ("b") } } });

    return object ({ { "result", "ok" }, { "version", "1.0" }, { "protocols", juce::Array<juce::var> { protocol } } });
}

//==============================================================================
TEST (BsonRoundTrip, TreeSurvivesEncodeAndDecode)
{
    const auto bytes = torvo::encodeBsonDocument (helloReply());
    juce::var decoded;

    ASSERT_TRUE (torvo::decodeBsonDocument (bytes.data(), bytes.size(), decoded).wasOk());
    EXPECT_EQ (toHex (torvo::encodeBsonDocument (decoded)), toHex (bytes));

    const auto channels = decoded["protocols"][0]["channels"];
    ASSERT_EQ (channels.size(), 2);
    EXPECT_EQ (channels[1]["channel"].toString(), "b");
    EXPECT_TRUE (channels[0]["lutSizes"][2].isInt());
    EXPECT_TRUE (decoded["protocols"][0]["capabilities"]["supportsBatchedChannelUpdates"].isBool());
}

TEST (BsonRoundTrip, BinaryAndNumbersKeepTheirBits)
{
    const juce::uint8 lut[] = { 0x00, 0x00, 0x80, 0x3f, 0xff, 0x00 };
    const auto tree = object ({ { "data", juce::var (lut, sizeof (lut)) },
                                { "nan", std::numeric_limits<double>::quiet_NaN() },
                                { "negativeZero", -0.0 },
                                { "big", std::numeric_limits<juce::int64>::min() } });

    const auto bytes = torvo::encodeBsonDocument (tree);
    juce::var decoded;

    ASSERT_TRUE (torvo::decodeBsonDocument (bytes.data(), bytes.size(), decoded).wasOk());
    EXPECT_EQ (toHex (torvo::encodeBsonDocument (decoded)), toHex (bytes));
    EXPECT_EQ (*decoded["data"].getBinaryData(), juce::MemoryBlock (lut, sizeof (lut)));
}

//==============================================================================
// Encodings that the reader accepts but the writer never produces: decoding
// and encoding again gives the writer's own form.
struct NormalisationCase
{
    const char* name;
    const char* received;
    const char* written;
};

const NormalisationCase normalisationCases[] =
{
    { "BinarySubtypeBecomesZero", "0F 00 00 00  05 61 00 02 00 00 00 80 FF 01  00",
                                  "0F 00 00 00  05 61 00 02 00 00 00 00 FF 01  00" },
    { "ArrayItemsAreRenumbered",  "14 00 00 00  04 61 00 0C 00 00 00 0A 78 00 0A 79 79 00 00  00",
                                  "13 00 00 00  04 61 00 0B 00 00 00 0A 30 00 0A 31 00 00  00" },
    { "BooleanTwoBecomesOne",     "09 00 00 00  08 61 00 02  00",
                                  "09 00 00 00  08 61 00 01  00" },
};

class BsonNormalisation : public testing::TestWithParam<NormalisationCase> {};

TEST_P (BsonNormalisation, ReencodesInTheWritersForm)
{
    const auto bytes = fromHex (GetParam().received);
    juce::var decoded;

    ASSERT_TRUE (torvo::decodeBsonDocument (bytes.data(), bytes.size(), decoded).wasOk());
    EXPECT_EQ (toHex (torvo::encodeBsonDocument (decoded)), normalisedHex (GetParam().written));
}

INSTANTIATE_TEST_SUITE_P (Table, BsonNormalisation, testing::ValuesIn (normalisationCases),
                          [] (const auto& info) { return std::string (info.param.name); });

} // namespace
