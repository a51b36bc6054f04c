#pragma once

#include <string>

namespace ftd2xxsim
{

/** The value of the process's environment variable name, or "" when it is not set. */
std::string readEnvironment (const char* name);

} // namespace ftd2xxsim
