#include <gtest/gtest.h>
#include <tavcore/State.h>

namespace
{
    tav::State parseOrFail (const juce::String& text)
    {
        tav::State state;
        const auto r = tav::State::parse (text, "test", state);
        EXPECT_TRUE (r.wasOk()) << r.getErrorMessage() << "\nin: " << text;
        return state;
    }

    juce::String parseError (const juce::String& text)
    {
        tav::State state;
        return tav::State::parse (text, "file.configuration", state).getErrorMessage();
    }
}

//==============================================================================
struct RoundTripCase
{
    const char* input;
    const char* compact;
};

class StateTextRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P (StateTextRoundTrip, ReadsAndWritesCompactText)
{
    const auto& c = GetParam();
    const auto state = parseOrFail (juce::String::fromUTF8 (c.input));
    const auto written = state.toText (false);
    EXPECT_EQ (written, juce::String::fromUTF8 (c.compact));

    // What was written reads back as the same state, and writes the same bytes.
    const auto reread = parseOrFail (written);
    EXPECT_EQ (reread, state);
    EXPECT_EQ (reread.toText (false), written);
    EXPECT_EQ (parseOrFail (state.toText (true)), state);
}

INSTANTIATE_TEST_SUITE_P (Cases, StateTextRoundTrip, testing::Values (
    RoundTripCase { "true", "true" },
    RoundTripCase { "{x=1, y=1, z=1, w=1}", "{x=1, y=1, z=1, w=1}" },
    RoundTripCase { "{ x = 1 ,\n y=2 }", "{x=1, y=2}" },
    RoundTripCase { "Vector {x=1}", "Vector {x=1}" },
    RoundTripCase { "[1, 2,\n3]", "[1, 2, 3]" },
    RoundTripCase { "[]", "[]" },
    RoundTripCase { "{}", "{}" },
    RoundTripCase { "\"\"", "\"\"" },
    RoundTripCase { "\"C:\\\\Program Files\\\\Torvo\\\\Torvo.exe\"", "\"C:\\\\Program Files\\\\Torvo\\\\Torvo.exe\"" },
    RoundTripCase { "\"say \\\"hi\\\"\\n\\ttab\"", "\"say \\\"hi\\\"\\n\\ttab\"" },
    RoundTripCase { "\"\\u00e9\\ud83d\\ude00\"", "\"\xc3\xa9\xf0\x9f\x98\x80\"" },
    RoundTripCase { "\"a=b, {c}\"", "\"a=b, {c}\"" },
    RoundTripCase { "# comment\n{a = [x, y] # trailing\n}", "{a=[x, y]}" },
    RoundTripCase { "[Foo\n{a=1}]", "[Foo, {a=1}]" },
    RoundTripCase { "{\"odd key\"=1}", "{\"odd key\"=1}" }));

//==============================================================================
struct ErrorCase
{
    const char* input;
    const char* expectedMessage;
};

class StateTextErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P (StateTextErrors, NameTheFileLineAndColumn)
{
    EXPECT_EQ (parseError (GetParam().input), juce::String (GetParam().expectedMessage));
}

INSTANTIATE_TEST_SUITE_P (Cases, StateTextErrors, testing::Values (
    ErrorCase { "", "file.configuration:1:1: the text holds no value" },
    ErrorCase { "{\n  a = 1\n", "file.configuration:1:1: the brace opened here is never closed" },
    ErrorCase { "{\n  a 1\n}", "file.configuration:2:5: expected '=' after the name \"a\", found '1'" },
    ErrorCase { "{a=1 b=2}", "file.configuration:1:6: expected ',' or a line break between entries, found 'b'" },
    ErrorCase { "{a=1, a=2}", "file.configuration:1:7: the name \"a\" appears twice" },
    ErrorCase { "{a=\"open\n}", "file.configuration:1:4: the quoted text that starts here runs past the end of its line" },
    ErrorCase { "\"bad \\q\"", "file.configuration:1:6: unknown escape \\q" },
    ErrorCase { "{a=}", "file.configuration:1:4: expected a value, found '}'" },
    ErrorCase { "[1, 2", "file.configuration:1:1: the bracket opened here is never closed" },
    ErrorCase { "{a=1} x", "file.configuration:1:7: unexpected 'x' after the end of the value" },
    ErrorCase { "\"\\ud800\"", "file.configuration:1:2: a \\u high surrogate must be followed by a \\u low surrogate" }));

//==============================================================================
TEST (StateText, PrettyTextPutsLargeMapsOnLinesAndKeepsSmallOnesInline)
{
    auto inner = tav::State::makeMap ("ManagedApplication");
    inner.setChild ("executablePath", tav::State ("C:/Torvo/Torvo.exe", true));
    inner.setChild ("vector", parseOrFail ("{x=1, y=1, z=1, w=1}"));
    auto list = tav::State::makeList();
    list.addItem (inner);
    auto root = tav::State::makeMap ("TorvoBootConfiguration");
    root.setChild ("applications", list);

    EXPECT_EQ (root.toText (true),
               "TorvoBootConfiguration {\n"
               "    applications = [\n"
               "        ManagedApplication {\n"
               "            executablePath = \"C:/Torvo/Torvo.exe\"\n"
               "            vector = {x=1, y=1, z=1, w=1}\n"
               "        }\n"
               "    ]\n"
               "}");
}

TEST (StateText, DeepNestingIsRefusedRatherThanOverflowingTheStack)
{
    const auto deep = juce::String::repeatedString ("[", 100000);
    EXPECT_TRUE (parseError (deep).contains ("nested too deeply"));
}

//==============================================================================
TEST (StateLz4, BlockUnpacksToTheOriginalBytes)
{
    const juce::String text ("{x=1, y=1, z=1, w=1} repeated repeated repeated repeated");
    const auto packed = tav::State::createLz4Block (text.toRawUTF8(), text.getNumBytesAsUTF8());

    tav::State state;
    ASSERT_TRUE (tav::State::fromLz4Block (packed.getData(), packed.getSize(), text.getNumBytesAsUTF8(), state).wasOk());
    EXPECT_EQ (state.getText(), text);
    EXPECT_EQ (state.getData().getSize(), text.getNumBytesAsUTF8());
}

TEST (StateLz4, DamagedOrMisdescribedBlocksFail)
{
    const juce::String text ("abcabcabcabcabcabcabcabcabcabcabcabc");
    auto packed = tav::State::createLz4Block (text.toRawUTF8(), text.getNumBytesAsUTF8());
    tav::State state;

    EXPECT_TRUE (tav::State::fromLz4Block (packed.getData(), packed.getSize(), text.getNumBytesAsUTF8() + 1, state).failed());
    EXPECT_TRUE (tav::State::fromLz4Block (packed.getData(), packed.getSize() - 2, text.getNumBytesAsUTF8(), state).failed());
    EXPECT_TRUE (tav::State::fromLz4Block (nullptr, 0, 10, state).failed());
}

TEST (StateLz4, BinaryPayloadsKeepTheirBytesWithoutText)
{
    const unsigned char png[] = { 0x89, 'P', 'N', 'G', 0xff, 0xfe, 0x00, 0x01 };
    const auto packed = tav::State::createLz4Block (png, sizeof (png));
    tav::State state;
    ASSERT_TRUE (tav::State::fromLz4Block (packed.getData(), packed.getSize(), sizeof (png), state).wasOk());
    EXPECT_TRUE (state.getText().isEmpty());
    EXPECT_EQ (state.getData(), juce::MemoryBlock (png, sizeof (png)));
}
