#include "TestPlatform.h"

namespace vitrel::test
{

const char* libraryWithoutD2xx() noexcept
{
    return "libc.so.6";
}

} // namespace vitrel::test
