#include "Environment.h"

#include <windows.h>

namespace ftd2xxsim
{

std::string readEnvironment (const char* name)
{
    // The process environment, not a C runtime's copy: the DLL may not share the host's runtime.
    char value[1024];
    const auto length = GetEnvironmentVariableA (name, value, sizeof (value));
    return length > 0 && length < sizeof (value) ? std::string (value, length) : std::string();
}

} // namespace ftd2xxsim
