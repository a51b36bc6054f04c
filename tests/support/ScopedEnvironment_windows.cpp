#include "ScopedEnvironment.h"
#include <cstdlib>
#include <windows.h>

void ScopedEnvironment::set (const juce::String& variableName, const juce::String* value)
{
    // The C runtime keeps a copy of the environment that getenv reads; an
    // empty value removes the variable from it.
    _wputenv_s (variableName.toWideCharPointer(), value != nullptr ? value->toWideCharPointer() : L"");
    ::SetEnvironmentVariableW (variableName.toWideCharPointer(), value != nullptr ? value->toWideCharPointer() : nullptr);
}
