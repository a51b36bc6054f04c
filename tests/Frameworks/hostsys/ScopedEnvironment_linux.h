#pragma once

#include <juce_core/juce_core.h>
#include <cstdlib>
#include <optional>
#include <string>

namespace hostsys_test
{

/** Sets an environment variable for a scope and restores it afterwards. */
class ScopedEnvironmentVariable
{
public:
    ScopedEnvironmentVariable (const char* variableName, const std::optional<juce::String>& value)
        : name (variableName)
    {
        if (const char* old = std::getenv (variableName))
            previous = old;

        set (value ? std::optional<std::string> (value->toStdString()) : std::nullopt);
    }

    ~ScopedEnvironmentVariable()       { set (previous); }

private:
    void set (const std::optional<std::string>& value)
    {
        if (value)
            ::setenv (name.c_str(), value->c_str(), 1);
        else
            ::unsetenv (name.c_str());
    }

    std::string name;
    std::optional<std::string> previous;

    JUCE_DECLARE_NON_COPYABLE (ScopedEnvironmentVariable)
};

} // namespace hostsys_test
