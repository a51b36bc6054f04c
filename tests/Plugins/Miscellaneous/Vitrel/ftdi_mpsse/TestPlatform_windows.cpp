#include "TestPlatform.h"

namespace vitrel::test
{

const char* libraryWithoutD2xx() noexcept
{
    return "kernel32.dll";
}

} // namespace vitrel::test
