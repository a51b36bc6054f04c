#include <gtest/gtest.h>

#include "bson/BsonCodec.h"
#include "HexBytes.h"

#include <functional>

using torvo::test::normalisedHex;
using torvo::test::toHex;

namespace
{

juce::var documentWith (const char* name, const juce::var& value)
{
    auto* object = new juce::DynamicObject();
    object->setProperty (name, value);
    return juce::var (object);
}

//==============================================================================
struct EncodeCase
{
    const char* name;
    std::function<juce::var()> makeValue;
    const char* hex;
};

const EncodeCase encodeCases[] =
{
    { "EmptyObject",   [] { return juce::var (new juce::DynamicObject()); },        "05 00 00 00  00" },
    { "NotAnObject",   [] { return juce::var (42); },                               "05 00 00 00  00" },
    { "True",          [] { return documentWith ("a", true); },                     "09 00 00 00  08 61 00 01  00" },
    { "False",         [] { return documentWith ("a", false); },                    "09 00 00 00  08 61 00 00  00" },
    { "Int",           [] { return documentWith ("a", -2); },                       "0C 00 00 00  10 61 00 FE FF FF FF  00" },
    { "Int64",         [] { return documentWith ("a", (juce::int64) 1 << 40); },    "10 00 00 00  12 61 00 00 00 00 00 00 01 00 00  00" },
    { "Double",        [] { return documentWith ("a", 1.0); },                      "10 00 00 00  01 61 00 00 00 00 00 00 00 F0 3F  00" },
    { "String",        [] { return documentWith ("a", juce::String (juce::CharPointer_UTF8 ("\xc3\xa9"))); },
                                                                                    "0F 00 00 00  02 61 00 03 00 00 00 C3 A9 00  00" },
    { "EmptyString",   [] { return documentWith ("a", juce::String()); },           "0D 00 00 00  02 61 00 01 00 00 00 00  00" },
    { "Binary",        [] { return documentWith ("a", juce::var ("\x01\x02", 2)); },
                                                                                    "0F 00 00 00  05 61 00 02 00 00 00 00 01 02  00" },
    { "Void",          [] { return documentWith ("a", juce::var()); },              "08 00 00 00  0A 61 00  00" },
    { "Undefined",     [] { return documentWith ("a", juce::var::undefined()); },   "08 00 00 00  0A 61 00  00" },
    { "Array",         [] { return documentWith ("a", juce::Array<juce::var> { 7, true }); },
                                                                                    "18 00 00 00  04 61 00 10 00 00 00 10 30 00 07 00 00 00 08 31 00 01 00  00" },
    { "Object",        [] { return documentWith ("a", documentWith ("b", juce::var())); },
                                                                                    "10 00 00 00  03 61 00 08 00 00 00 0A 62 00 00  00" },
    { "TopLevelArray", [] { return juce::var (juce::Array<juce::var> { 5 }); },    "0C 00 00 00  10 30 00 05 00 00 00  00" },
};

class BsonEncode : public testing::TestWithParam<EncodeCase> {};

TEST_P (BsonEncode, WritesTheByteLayout)
{
    EXPECT_EQ (toHex (torvo::encodeBsonDocument (GetParam().makeValue())), normalisedHex (GetParam().hex));
}

INSTANTIATE_TEST_SUITE_P (Table, BsonEncode, testing::ValuesIn (encodeCases),
                          [] (const auto& info) { return std::string (info.param.name); });

//==============================================================================
TEST (BsonEncode, PropertiesKeepTheirOrder)
{
    auto* object = new juce::DynamicObject();
    object->setProperty ("z", 1);
    object->setProperty ("a", 2);

    EXPECT_EQ (toHex (torvo::encodeBsonDocument (juce::var (object))),
               normalisedHex ("13 00 00 00  10 7A 00 01 00 00 00  10 61 00 02 00 00 00  00"));
}

} // namespace
