#include <gtest/gtest.h>

#include "HexBytes.h"
#include "bson/Utf8Text.h"

using torvo::test::fromHex;

namespace
{

struct Utf8Case
{
    const char* name;
    const char* hex;
    const char* expectedUtf8;    // \xef\xbf\xbd is U+FFFD
};

// Ill-formed sequences are replaced by one U+FFFD per maximal subpart, as the
// Unicode standard recommends; the bytes after the subpart start afresh.
const Utf8Case utf8Cases[] =
{
    { "Ascii",                 "61 62",          "ab" },
    { "TwoByte",               "C3 A9",          "\xc3\xa9" },
    { "FourByte",              "F0 9F 98 80",    "\xf0\x9f\x98\x80" },
    { "LoneLeadByte",          "E9",             "\xef\xbf\xbd" },
    { "LeadByteBetweenAscii",  "61 E9 62",       "a\xef\xbf\xbd" "b" },
    { "TruncatedThreeByte",    "E2 98",          "\xef\xbf\xbd" },
    { "StrayContinuation",     "80 61",          "\xef\xbf\xbd" "a" },
    { "Overlong",              "C0 AF",          "\xef\xbf\xbd\xef\xbf\xbd" },
    { "Surrogate",             "ED A0 80",       "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd" },
    { "AboveMaximum",          "F4 90 80 80",    "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd" },
    { "EndsAtFirstZero",       "61 00 62",       "a" },
};

class Utf8Text : public testing::TestWithParam<Utf8Case> {};

TEST_P (Utf8Text, DecodesOrReplaces)
{
    const auto bytes = fromHex (GetParam().hex);

    EXPECT_EQ (torvo::utf8ToString (bytes.data(), bytes.size()),
               juce::String (juce::CharPointer_UTF8 (GetParam().expectedUtf8)));
}

INSTANTIATE_TEST_SUITE_P (Table, Utf8Text, testing::ValuesIn (utf8Cases),
                          [] (const auto& info) { return std::string (info.param.name); });

} // namespace
