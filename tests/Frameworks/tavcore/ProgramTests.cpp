#include <gtest/gtest.h>
#include <tavcore/DynamicallyLinkedLibrary.h>
#include <tavcore/Program.h>

struct ArgumentCase
{
    std::vector<const char*> arguments;
    std::map<juce::String, juce::String> expected;
};

class ArgumentSplitting : public testing::TestWithParam<ArgumentCase> {};

TEST_P (ArgumentSplitting, SplitsAtTheFirstSeparatorOnly)
{
    juce::StringArray arguments;
    for (auto* a : GetParam().arguments)
        arguments.add (a);

    EXPECT_EQ (tav::Program::splitArgumentsAndValues (arguments, "="), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P (Cases, ArgumentSplitting, testing::Values (
    ArgumentCase { {}, {} },
    ArgumentCase { { "-i" }, { { "-i", "" } } },
    ArgumentCase { { "-c=killApplication", "-a=2" }, { { "-c", "killApplication" }, { "-a", "2" } } },
    ArgumentCase { { "-c", "killApplication" }, { { "-c", "" }, { "killApplication", "" } } },
    ArgumentCase { { "--command=a=b" }, { { "--command", "a=b" } } },
    ArgumentCase { { "-a=1", "-a=2" }, { { "-a", "1" } } },
    ArgumentCase { { "-c=" }, { { "-c", "" } } }));

TEST (BinaryNames, FollowThePlatform)
{
    const auto library = tav::DynamicallyLinkedLibrary::getFullNameFromReducedName ("tavcore", tav::DynamicallyLinkedLibrary::sharedLibrary, true);
    const auto executable = tav::DynamicallyLinkedLibrary::getFullNameFromReducedName ("TorvoBoot", tav::DynamicallyLinkedLibrary::executable, true);
   #if JUCE_WINDOWS
    EXPECT_EQ (library, "tavcore.dll");
    EXPECT_EQ (executable, "TorvoBoot.exe");
   #else
    EXPECT_EQ (library, "libtavcore.so");
    EXPECT_EQ (executable, "TorvoBoot");
   #endif
}
