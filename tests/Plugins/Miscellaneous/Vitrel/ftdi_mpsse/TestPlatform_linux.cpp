#include "TestPlatform.h"

#include <cstdlib>

namespace vitrel::test
{

void setEnvironmentVariable (const char* name, const char* value)
{
    if (value != nullptr)
        setenv (name, value, 1);
    else
        unsetenv (name);
}

const char* libraryWithoutD2xx() noexcept
{
    return "libc.so.6";
}

} // namespace vitrel::test
