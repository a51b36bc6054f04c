#include "DriverLibrary.h"

#include <dlfcn.h>

namespace vitrel::ftdi
{

const char* defaultDriverLibraryName() noexcept
{
    return "libftd2xx.so";
}

void* openDriverLibrary (const char* path) noexcept
{
    // Symbols stay local so that two libraries exporting D2XX names never mix.
    return dlopen (path, RTLD_NOW | RTLD_LOCAL);
}

void* findDriverFunction (void* library, const char* name) noexcept
{
    return dlsym (library, name);
}

void closeDriverLibrary (void* library) noexcept
{
    dlclose (library);
}

} // namespace vitrel::ftdi
