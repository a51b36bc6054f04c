#include <gtest/gtest.h>
#include "TorvoBootCommandLine.h"

using Action = TorvoBootCommandLine::Action;

struct CommandLineCase
{
    std::map<juce::String, juce::String> arguments;
    Action action;
    const char* commandName;
    int applicationIndex;
};

class CommandLines : public testing::TestWithParam<CommandLineCase> {};

TEST_P (CommandLines, ChooseTheActionAndItsValues)
{
    const auto parsed = TorvoBootCommandLine::parse (GetParam().arguments);
    EXPECT_EQ (parsed.action, GetParam().action);
    EXPECT_EQ (parsed.commandName, juce::String (GetParam().commandName));
    EXPECT_EQ ((int) parsed.applicationIndex, GetParam().applicationIndex);
}

INSTANTIATE_TEST_SUITE_P (Cases, CommandLines, testing::Values (
    CommandLineCase { {}, Action::runMonitor, "", 31 },
    CommandLineCase { { { "--verbose", "" } }, Action::runMonitor, "", 31 },
    CommandLineCase { { { "-i", "" }, { "-u", "" } }, Action::install, "", 31 },
    CommandLineCase { { { "--uninstall", "" }, { "-c", "killApplication" } }, Action::uninstall, "", 31 },
    CommandLineCase { { { "-c", "startApplication" } }, Action::sendCommand, "startApplication", 31 },
    CommandLineCase { { { "-c", "killApplication" }, { "-a", "2" } }, Action::sendCommand, "killApplication", 2 },
    CommandLineCase { { { "-c", "killApplication" }, { "-a", "031" } }, Action::sendCommand, "killApplication", 31 },
    CommandLineCase { { { "-c", "" }, { "killApplication", "" } }, Action::sendCommand, "", 31 },
    CommandLineCase { { { "-c", "startApplication" }, { "--command", "killApplication" } }, Action::sendCommand, "startApplication", 31 },
    CommandLineCase { { { "-a", "3" }, { "--command", "prepareVoluntaryStop" }, { "--application", "4" } }, Action::sendCommand, "prepareVoluntaryStop", 3 }));

//==============================================================================
struct RefusedIndexCase
{
    const char* text;
    const char* message;
};

class RefusedApplicationIndexes : public testing::TestWithParam<RefusedIndexCase> {};

// An index the control code cannot carry as written would address another
// application (287 & 0xff is 31: all of them), so it is refused instead.
TEST_P (RefusedApplicationIndexes, AreNamedAndNotTruncated)
{
    const auto parsed = TorvoBootCommandLine::parse ({ { "-c", "killApplication" }, { "-a", GetParam().text } });
    EXPECT_EQ (parsed.action, Action::sendCommand);
    EXPECT_EQ (parsed.applicationIndexError, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P (Cases, RefusedApplicationIndexes, testing::Values (
    RefusedIndexCase { "32", "Application index 32 is out of range (0 to 31)" },
    RefusedIndexCase { "287", "Application index 287 is out of range (0 to 31)" },
    RefusedIndexCase { "259", "Application index 259 is out of range (0 to 31)" },
    RefusedIndexCase { "300", "Application index 300 is out of range (0 to 31)" },
    RefusedIndexCase { "4294967299", "Application index 4294967299 is out of range (0 to 31)" },
    RefusedIndexCase { "two", "Application index \"two\" is not a number (0 to 31)" },
    RefusedIndexCase { "all", "Application index \"all\" is not a number (0 to 31)" },
    RefusedIndexCase { "", "Application index \"\" is not a number (0 to 31)" },
    RefusedIndexCase { "-1", "Application index \"-1\" is not a number (0 to 31)" },
    RefusedIndexCase { " 3", "Application index \" 3\" is not a number (0 to 31)" }));

TEST (CommandLineUsage, QuotesTheServiceName)
{
    const auto lines = TorvoBootCommandLine::getUsageLines ("Torvo Boot");
    ASSERT_EQ (lines.size(), 8);
    EXPECT_EQ (lines[0], "Usage: -i/--install | -u/--uninstall | -c/--command=<id> [-a/--application=<index>]");
    EXPECT_EQ (lines[3], "  net start \"Torvo Boot\"");
    EXPECT_EQ (lines[7], "  sc query \"Torvo Boot\"");
}
