#pragma once

// The operating system's side of loading the D2XX driver: a shared library
// opened by name and searched for entry points by name.

namespace vitrel::ftdi
{

/** The driver's file name as the system's loader searches for it. */
const char* defaultDriverLibraryName() noexcept;

/** Opens the shared library at path (a bare name uses the system's search order); null when it cannot be loaded. */
void* openDriverLibrary (const char* path) noexcept;

/** The address of the exported function name in library, or null when it has none. */
void* findDriverFunction (void* library, const char* name) noexcept;

/** Releases a library opened by openDriverLibrary. */
void closeDriverLibrary (void* library) noexcept;

} // namespace vitrel::ftdi
