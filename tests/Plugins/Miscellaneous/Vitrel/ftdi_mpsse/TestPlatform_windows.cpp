#include "TestPlatform.h"

#include <cstdlib>

namespace vitrel::test
{

void setEnvironmentVariable (const char* name, const char* value)
{
    // An empty value removes the variable from the C runtime's environment.
    _putenv_s (name, value != nullptr ? value : "");
}

const char* libraryWithoutD2xx() noexcept
{
    return "kernel32.dll";
}

} // namespace vitrel::test
