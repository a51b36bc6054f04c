#include "DriverLibrary.h"

#include <windows.h>

namespace vitrel::ftdi
{

const char* defaultDriverLibraryName() noexcept
{
    return "ftd2xx.dll";
}

void* openDriverLibrary (const char* path) noexcept
{
    return reinterpret_cast<void*> (LoadLibraryA (path));
}

void* findDriverFunction (void* library, const char* name) noexcept
{
    return reinterpret_cast<void*> (GetProcAddress (static_cast<HMODULE> (library), name));
}

void closeDriverLibrary (void* library) noexcept
{
    FreeLibrary (static_cast<HMODULE> (library));
}

} // namespace vitrel::ftdi
