#pragma once

#include <juce_core/juce_core.h>
#include <optional>

//==============================================================================
/** Sets or removes an environment variable of the test process (and of the
    programs it starts) for the scope's span, then restores the value it had
    before, or removes it again when it had none. */
class ScopedEnvironment
{
public:
    /** Sets the variable to value. */
    ScopedEnvironment (const juce::String& name, const juce::String& value);

    /** Sets the variable to value, or removes it when value is nullptr. */
    ScopedEnvironment (const juce::String& name, const char* value);

    /** Sets the variable to value, or removes it when value is empty (std::nullopt). */
    ScopedEnvironment (const juce::String& name, const std::optional<juce::String>& value);

    ~ScopedEnvironment();

private:
    void replace (const juce::String* value);

    /** Sets the variable where both the operating system and the C runtime
        see it (programs read it either way); nullptr removes it. */
    static void set (const juce::String& name, const juce::String* value);

    juce::String name;
    std::optional<juce::String> previous;

    JUCE_DECLARE_NON_COPYABLE (ScopedEnvironment)
};
