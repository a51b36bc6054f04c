#include "Environment.h"

#include <cstdlib>

namespace ftd2xxsim
{

std::string readEnvironment (const char* name)
{
    const char* value = std::getenv (name);
    return value != nullptr ? value : "";
}

} // namespace ftd2xxsim
