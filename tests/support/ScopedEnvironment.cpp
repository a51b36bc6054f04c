#include "ScopedEnvironment.h"

ScopedEnvironment::ScopedEnvironment (const juce::String& variableName, const juce::String& value)
    : name (variableName)
{
    const juce::String unset ("\x01unset");
    previous = juce::SystemStats::getEnvironmentVariable (name, unset);
    hadValue = previous != unset;
    set (name, &value);
}

ScopedEnvironment::~ScopedEnvironment()
{
    set (name, hadValue ? &previous : nullptr);
}
