#include <gtest/gtest.h>
#include "ScopedEnvironment.h"
#include <cstdlib>

namespace
{
    const char* const variable = "TORVO_SUPPORT_TEST_VARIABLE";

    /** The variable as the operating system and as the C runtime see it; the
        two must agree, since programs read it either way. */
    std::optional<juce::String> readVariable()
    {
        const juce::String unset ("\x01unset");
        const auto system = juce::SystemStats::getEnvironmentVariable (variable, unset);
        const char* runtime = std::getenv (variable);
        EXPECT_EQ (runtime != nullptr, system != unset);

        if (runtime != nullptr)
        {
            EXPECT_EQ (juce::String::fromUTF8 (runtime), system);
        }

        return system != unset ? std::optional<juce::String> (system) : std::nullopt;
    }

    struct EnvironmentCase
    {
        const char* before;   // nullptr: unset
        const char* during;   // nullptr: removed
    };

    void PrintTo (const EnvironmentCase& c, std::ostream* os)
    {
        *os << (c.before != nullptr ? c.before : "(unset)") << " -> " << (c.during != nullptr ? c.during : "(removed)");
    }

    std::optional<juce::String> textOf (const char* value)
    {
        return value != nullptr ? std::optional<juce::String> (value) : std::nullopt;
    }
}

class ScopedEnvironmentCase : public testing::TestWithParam<EnvironmentCase> {};

TEST_P (ScopedEnvironmentCase, SetsOrRemovesForTheScopeAndRestoresThePreviousValue)
{
    const auto before = textOf (GetParam().before);
    std::optional<ScopedEnvironment> outer;

    if (before)
        outer.emplace (variable, *before);

    ASSERT_EQ (readVariable(), before);

    {
        const ScopedEnvironment inner (variable, GetParam().during);
        EXPECT_EQ (readVariable(), textOf (GetParam().during));
    }

    EXPECT_EQ (readVariable(), before);
    outer.reset();
    EXPECT_EQ (readVariable(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P (Cases, ScopedEnvironmentCase, testing::Values (
    EnvironmentCase { nullptr, "set" },
    EnvironmentCase { nullptr, nullptr },
    EnvironmentCase { "previous", "replaced" },
    EnvironmentCase { "previous", nullptr }));

TEST (ScopedEnvironment, TakesTextsAndOptionalTexts)
{
    {
        const ScopedEnvironment set (variable, juce::String ("a text"));
        EXPECT_EQ (readVariable(), juce::String ("a text"));

        const ScopedEnvironment removed (variable, std::nullopt);
        EXPECT_EQ (readVariable(), std::nullopt);

        const ScopedEnvironment optional (variable, std::optional<juce::String> ("optional"));
        EXPECT_EQ (readVariable(), juce::String ("optional"));
    }

    EXPECT_EQ (readVariable(), std::nullopt);
}
