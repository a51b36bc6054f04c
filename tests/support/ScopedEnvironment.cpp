#include "ScopedEnvironment.h"

ScopedEnvironment::ScopedEnvironment (const juce::String& variableName, const juce::String& value)
    : name (variableName)
{
    replace (&value);
}

ScopedEnvironment::ScopedEnvironment (const juce::String& variableName, const char* value)
    : name (variableName)
{
    const juce::String text (value != nullptr ? juce::String::fromUTF8 (value) : juce::String());
    replace (value != nullptr ? &text : nullptr);
}

ScopedEnvironment::ScopedEnvironment (const juce::String& variableName, const std::optional<juce::String>& value)
    : name (variableName)
{
    replace (value ? &*value : nullptr);
}

ScopedEnvironment::~ScopedEnvironment()
{
    set (name, previous ? &*previous : nullptr);
}

void ScopedEnvironment::replace (const juce::String* value)
{
    // No real value holds this text, so it tells an unset variable from an empty one.
    const juce::String unset ("\x01unset");
    const auto old = juce::SystemStats::getEnvironmentVariable (name, unset);

    if (old != unset)
        previous = old;

    set (name, value);
}
