#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/** Sets an environment variable of the test process (and of the programs it
    starts) for the scope's span, restoring the previous value afterwards. */
class ScopedEnvironment
{
public:
    ScopedEnvironment (const juce::String& name, const juce::String& value);
    ~ScopedEnvironment();

private:
    static void set (const juce::String& name, const juce::String* value);

    juce::String name;
    bool hadValue;
    juce::String previous;

    JUCE_DECLARE_NON_COPYABLE (ScopedEnvironment)
};
