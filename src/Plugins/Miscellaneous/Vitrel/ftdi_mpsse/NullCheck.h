#pragma once

#include "D2xxFunctions.h"

#include <cstdio>

namespace vitrel::ftdi
{

/** The file name part of a source path, so that messages do not depend on where the tree was built. */
constexpr const char* sourceFileName (const char* path) noexcept
{
    const char* name = path;

    for (const char* c = path; *c != 0; ++c)
        if (*c == '/' || *c == '\\')
            name = c + 1;

    return name;
}

/** Prints the message that names a missing argument or entry point, with its source position. */
inline void reportNullExpression (const char* file, int line, const char* function) noexcept
{
    std::printf ("%s:%d:%s(): NULL expression encountered\n", sourceFileName (file), line, function);
}

} // namespace vitrel::ftdi

// Returns FT_INVALID_PARAMETER from the calling function when expression is null,
// after naming the position; a macro because the message names the caller's line.
#define VITREL_RETURN_IF_NULL(expression)                                            \
    do {                                                                              \
        if ((expression) == nullptr)                                                  \
        {                                                                             \
            ::vitrel::ftdi::reportNullExpression (__FILE__, __LINE__, __func__);      \
            return FT_INVALID_PARAMETER;                                              \
        }                                                                             \
    } while (false)
