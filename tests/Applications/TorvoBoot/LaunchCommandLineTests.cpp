#include <gtest/gtest.h>
#include "UserSessionLauncher.h"

struct LaunchCommandLineCase
{
    const char* executable;
    const char* arguments;
    const char* expected;
};

class LaunchCommandLines : public testing::TestWithParam<LaunchCommandLineCase> {};

TEST_P (LaunchCommandLines, QuoteTheExecutableAndPassTheArgumentsAsTheyAre)
{
    EXPECT_EQ (buildLaunchCommandLine (GetParam().executable, GetParam().arguments), juce::String (GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P (Cases, LaunchCommandLines, testing::Values (
    LaunchCommandLineCase { "C:\\Program Files\\Torvo\\Torvo.exe", "", "\"C:\\Program Files\\Torvo\\Torvo.exe\"" },
    LaunchCommandLineCase { "C:\\Torvo\\Torvo.exe", "-a", "\"C:\\Torvo\\Torvo.exe\" -a" },
    LaunchCommandLineCase { "/opt/torvo/Torvo", "--project \"My Show.torvo\" -x", "\"/opt/torvo/Torvo\" --project \"My Show.torvo\" -x" },
    LaunchCommandLineCase { "Torvo", "  spaced  ", "\"Torvo\"   spaced  " }));
