#include "ScopedEnvironment.h"
#include <cstdlib>

void ScopedEnvironment::set (const juce::String& variableName, const juce::String* value)
{
    if (value != nullptr)
        ::setenv (variableName.toRawUTF8(), value->toRawUTF8(), 1);
    else
        ::unsetenv (variableName.toRawUTF8());
}
