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
    CommandLineCase { { { "-c", "killApplication" }, { "--application", "300" } }, Action::sendCommand, "killApplication", 44 },
    CommandLineCase { { { "-c", "killApplication" }, { "-a", "two" } }, Action::sendCommand, "killApplication", 0 },
    CommandLineCase { { { "-c", "" }, { "killApplication", "" } }, Action::sendCommand, "", 31 },
    CommandLineCase { { { "-c", "startApplication" }, { "--command", "killApplication" } }, Action::sendCommand, "startApplication", 31 },
    CommandLineCase { { { "-a", "3" }, { "--command", "prepareVoluntaryStop" }, { "--application", "4" } }, Action::sendCommand, "prepareVoluntaryStop", 3 }));

TEST (CommandLineUsage, QuotesTheServiceName)
{
    const auto lines = TorvoBootCommandLine::getUsageLines ("Torvo Boot");
    ASSERT_EQ (lines.size(), 8);
    EXPECT_EQ (lines[0], "Usage: -i/--install | -u/--uninstall | -c/--command=<id> [-a/--application=<index>]");
    EXPECT_EQ (lines[3], "  net start \"Torvo Boot\"");
    EXPECT_EQ (lines[7], "  sc query \"Torvo Boot\"");
}
