#include <gtest/gtest.h>

#include "bson/BsonCodec.h"
#include "HexBytes.h"

#include <cmath>
#include <functional>

using torvo::test::fromHex;

namespace
{

juce::var decode (const char* hex)
{
    const auto bytes = fromHex (hex);
    juce::var out;
    const auto result = torvo::decodeBsonDocument (bytes.data(), bytes.size(), out);
    EXPECT_TRUE (result.wasOk()) << result.getErrorMessage();
    return out;
}

//==============================================================================
TEST (BsonDecode, FiveBytesGiveAnEmptyObject)
{
    const auto document = decode ("05 00 00 00 00");

    ASSERT_NE (document.getDynamicObject(), nullptr);
    EXPECT_TRUE (document.getDynamicObject()->getProperties().isEmpty());
}

//==============================================================================
struct ValueCase
{
    const char* name;
    const char* hex;    // a document holding one element named "a"
    std::function<void (const juce::var&)> check;
};

const ValueCase valueCases[] =
{
    { "Double", "10 00 00 00  01 61 00 00 00 00 00 00 00 F0 BF  00",
      [] (const juce::var& v) { EXPECT_TRUE (v.isDouble()); EXPECT_EQ ((double) v, -1.0); } },

    { "String", "0F 00 00 00  02 61 00 03 00 00 00 C3 A9 00  00",
      [] (const juce::var& v) { EXPECT_TRUE (v.isString()); EXPECT_EQ (v.toString(), juce::String (juce::CharPointer_UTF8 ("\xc3\xa9"))); } },

    { "StringWithEmbeddedNulEndsThere", "11 00 00 00  02 61 00 05 00 00 00 61 62 00 63 00  00",
      [] (const juce::var& v) { EXPECT_EQ (v.toString(), juce::String ("ab")); } },

    { "Document", "10 00 00 00  03 61 00 08 00 00 00 0A 62 00 00  00",
      [] (const juce::var& v) { ASSERT_NE (v.getDynamicObject(), nullptr); EXPECT_TRUE (v.hasProperty ("b")); EXPECT_TRUE (v["b"].isVoid()); } },

    { "ArrayIgnoresItemNames", "1B 00 00 00  04 61 00 13 00 00 00 10 78 00 01 00 00 00 10 79 00 02 00 00 00 00  00",
      [] (const juce::var& v) { ASSERT_TRUE (v.isArray()); ASSERT_EQ (v.size(), 2); EXPECT_EQ ((int) v[0], 1); EXPECT_EQ ((int) v[1], 2); } },

    { "BinaryOfAnySubtype", "0F 00 00 00  05 61 00 02 00 00 00 80 FF 01  00",
      [] (const juce::var& v) { ASSERT_TRUE (v.isBinaryData()); EXPECT_EQ (*v.getBinaryData(), juce::MemoryBlock ("\xff\x01", 2)); } },

    { "BooleanTwoReadsTrue", "09 00 00 00  08 61 00 02  00",
      [] (const juce::var& v) { EXPECT_TRUE (v.isBool()); EXPECT_TRUE ((bool) v); } },

    { "BooleanZeroReadsFalse", "09 00 00 00  08 61 00 00  00",
      [] (const juce::var& v) { EXPECT_TRUE (v.isBool()); EXPECT_FALSE ((bool) v); } },

    { "Null", "08 00 00 00  0A 61 00  00",
      [] (const juce::var& v) { EXPECT_TRUE (v.isVoid()); } },

    { "Int32", "0C 00 00 00  10 61 00 FE FF FF FF  00",
      [] (const juce::var& v) { EXPECT_TRUE (v.isInt()); EXPECT_EQ ((int) v, -2); } },

    { "Int64", "10 00 00 00  12 61 00 08 07 06 05 04 03 02 81  00",
      [] (const juce::var& v) { EXPECT_TRUE (v.isInt64()); EXPECT_EQ ((juce::int64) v, (juce::int64) 0x8102030405060708ull); } },
};

class BsonDecodeValue : public testing::TestWithParam<ValueCase> {};

TEST_P (BsonDecodeValue, ReadsIntoTheValueModel)
{
    const auto document = decode (GetParam().hex);

    ASSERT_TRUE (document.hasProperty ("a"));
    GetParam().check (document["a"]);
}

INSTANTIATE_TEST_SUITE_P (Table, BsonDecodeValue, testing::ValuesIn (valueCases),
                          [] (const auto& info) { return std::string (info.param.name); });

//==============================================================================
TEST (BsonDecode, RepeatedNameKeepsFirstPlaceAndLastValue)
{
    // { a: 1, b: 2, a: 3 }
    const auto document = decode ("1A 00 00 00  10 61 00 01 00 00 00  10 62 00 02 00 00 00  10 61 00 03 00 00 00  00");
    const auto& properties = document.getDynamicObject()->getProperties();

    ASSERT_EQ (properties.size(), 2);
    EXPECT_EQ (properties.getName (0).toString(), "a");
    EXPECT_EQ ((int) properties.getValueAt (0), 3);
    EXPECT_EQ (properties.getName (1).toString(), "b");
}

TEST (BsonDecode, RepeatedNameTakesLastValueEvenWhenTheValuesCompareEqual)
{
    // { a: 0.0, a: -0.0 }: juce::var calls these equal, but the last one wins.
    const auto document = decode ("1B 00 00 00  01 61 00 00 00 00 00 00 00 00 00  01 61 00 00 00 00 00 00 00 00 80  00");

    EXPECT_TRUE (std::signbit ((double) document["a"]));
}

TEST (BsonDecode, IllFormedUtf8InNamesAndStringsIsReplaced)
{
    // { "\xff": "a\xe9" }
    const auto document = decode ("0F 00 00 00  02 FF 00 03 00 00 00 61 E9 00  00");
    const juce::String replacement (juce::CharPointer_UTF8 ("\xef\xbf\xbd"));

    ASSERT_TRUE (document.hasProperty (juce::Identifier (replacement)));
    EXPECT_EQ (document[juce::Identifier (replacement)].toString(), "a" + replacement);
}

} // namespace
