#pragma once

#include "D2xxFunctions.h"
#include "SpiExport.h"

extern "C"
{
/** Loads the D2XX driver and resolves its entry points, unless that was done already; a failure is reported, never fatal. */
VITREL_SPI_EXPORT void Init_libMPSSE();

/** Releases the driver library if it was loaded; the next use loads it again. */
VITREL_SPI_EXPORT void Cleanup_libMPSSE();

/** Lets a caller check that it reached the library: sets j to i + 100 and answers 0. */
VITREL_SPI_EXPORT FT_STATUS Infra_TestFunction (std::uint32_t i, std::uint32_t* j);
}

namespace vitrel::ftdi
{

/** The driver's entry points, loading the driver first when needed; null while it cannot be loaded. */
const D2xxFunctions* driver() noexcept;

/** Whether the driver is loaded now; unlike driver(), it never tries to load it. */
bool isDriverLoaded() noexcept;

/** Makes later loads use the library at path instead of the driver's usual name (null restores it); unloads the current driver. */
void setDriverLibraryPath (const char* path);

/** Replaces the driver by an in-process table of entry points, as a test's recording driver does; unloads the current driver. */
void useDriverFunctions (const D2xxFunctions& functions) noexcept;

} // namespace vitrel::ftdi
