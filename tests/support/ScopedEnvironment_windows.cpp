#include "ScopedEnvironment.h"
#include <windows.h>

void ScopedEnvironment::set (const juce::String& variableName, const juce::String* value)
{
    ::SetEnvironmentVariableW (variableName.toWideCharPointer(), value != nullptr ? value->toWideCharPointer() : nullptr);
}
