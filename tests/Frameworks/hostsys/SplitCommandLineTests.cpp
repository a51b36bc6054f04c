#include <hostsys/ConsoleProcess.h>
#include <gtest/gtest.h>

namespace
{
    struct SplitCase
    {
        const char* commandLine;
        std::vector<const char*> expected;
    };

    class SplitCommandLine : public testing::TestWithParam<SplitCase> {};
}

TEST_P (SplitCommandLine, SplitsAsWindowsDoes)
{
    const auto& [commandLine, expected] = GetParam();
    const auto actual = os::ConsoleProcess::splitCommandLine (juce::String::fromUTF8 (commandLine));

    juce::StringArray wanted;

    for (auto* argument : expected)
        wanted.add (juce::String::fromUTF8 (argument));

    EXPECT_EQ (actual, wanted) << "command line: " << commandLine << "\nactual: "
                               << actual.joinIntoString ("|") << "\nwanted: " << wanted.joinIntoString ("|");
}

INSTANTIATE_TEST_SUITE_P (Cases, SplitCommandLine, testing::Values (
    SplitCase { "", {} },
    SplitCase { "   \t ", {} },
    SplitCase { "a b\t\tc", { "a", "b", "c" } },
    SplitCase { "  padded  ", { "padded" } },
    SplitCase { R"("with space" x)", { "with space", "x" } },
    SplitCase { R"(a"b c"d)", { "ab cd" } },
    SplitCase { R"("" a "")", { "", "a", "" } },
    SplitCase { R"("open ended)", { "open ended" } },
    SplitCase { R"(\"x)", { "\"x" } },                     // odd backslash: literal quote
    SplitCase { R"(\\"x y")", { "\\x y" } },               // even backslashes: halved, quote groups
    SplitCase { R"(\\\"x)", { "\\\"x" } },
    SplitCase { R"("say \"hi\"")", { "say \"hi\"" } },
    SplitCase { R"(a\\b C:\dir\)", { "a\\\\b", "C:\\dir\\" } },    // backslashes elsewhere are literal
    SplitCase { R"("C:\Program Files\x")", { "C:\\Program Files\\x" } },
    SplitCase { "caf\xc3\xa9 \"\xc3\xbc ber\"", { "caf\xc3\xa9", "\xc3\xbc ber" } }));
