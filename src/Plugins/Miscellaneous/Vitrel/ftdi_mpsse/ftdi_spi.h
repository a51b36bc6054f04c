#pragma once

#include "D2xxFunctions.h"
#include "SpiChannelSettings.h"
#include "SpiExport.h"

#include <cstdint>

// The SPI master channel API that the plug-in publishes under plain names.
// Every function answers with a status in the driver's numbering: 0 success,
// 1 no such channel, 4 I/O error, 5 out of memory, 6 invalid parameter,
// 18 other error (no record for the handle, engine out of sync, no driver).

extern "C"
{
/** Counts the MPSSE-capable channels of all attached devices. */
VITREL_SPI_EXPORT FT_STATUS SPI_GetNumChannels (std::uint32_t* count);

/** Copies the device-list entry of the index-th capable channel. */
VITREL_SPI_EXPORT FT_STATUS SPI_GetChannelInfo (std::uint32_t index, FT_DEVICE_LIST_INFO_NODE* info);

/** Opens the index-th capable channel and registers its handle. */
VITREL_SPI_EXPORT FT_STATUS SPI_OpenChannel (std::uint32_t index, FT_HANDLE* handle);

/** Configures an open channel as SPI master; settings receives the pin layout as the layer rewrote it. */
VITREL_SPI_EXPORT FT_STATUS SPI_InitChannel (FT_HANDLE handle, SpiChannelSettings* settings);

/** Leaves the closing pin directions and levels, closes the channel and forgets it. */
VITREL_SPI_EXPORT FT_STATUS SPI_CloseChannel (FT_HANDLE handle);

/** Clocks size bytes (or bits) in from the slave. */
VITREL_SPI_EXPORT FT_STATUS SPI_Read (FT_HANDLE handle, std::uint8_t* buffer, std::uint32_t size,
                                      std::uint32_t* transferred, std::uint32_t options);

/** Clocks size bytes (or bits) out to the slave. */
VITREL_SPI_EXPORT FT_STATUS SPI_Write (FT_HANDLE handle, std::uint8_t* buffer, std::uint32_t size,
                                       std::uint32_t* transferred, std::uint32_t options);

/** Clocks size bytes (or bits) out and in at the same time. */
VITREL_SPI_EXPORT FT_STATUS SPI_ReadWrite (FT_HANDLE handle, std::uint8_t* inBuffer, std::uint8_t* outBuffer,
                                           std::uint32_t size, std::uint32_t* transferred, std::uint32_t options);

/** Samples ADBUS0-7 with the chip select asserted; busy when any level is high. */
VITREL_SPI_EXPORT FT_STATUS SPI_IsBusy (FT_HANDLE handle, bool* busy);

/** Moves the chip select to the line named in options (the old line stays an output). */
VITREL_SPI_EXPORT FT_STATUS SPI_ChangeCS (FT_HANDLE handle, std::uint32_t options);

/** Asserts (true) or releases (false) the chip select. */
VITREL_SPI_EXPORT FT_STATUS SPI_ToggleCS (FT_HANDLE handle, bool enable);

/** Drives ADBUS0-7 directly, leaving the layer's pin state as it was. */
VITREL_SPI_EXPORT FT_STATUS FT_WriteGPIO (FT_HANDLE handle, std::uint8_t directions, std::uint8_t levels);

/** Reads the levels of ADBUS0-7. */
VITREL_SPI_EXPORT FT_STATUS FT_ReadGPIO (FT_HANDLE handle, std::uint8_t* levels);
}

namespace vitrel::ftdi
{

/** True for the device-list entries whose channel has an MPSSE engine (FT2232C/D port A, FT2232H/FT4232H ports A and B, FT232H). */
bool isMpsseCapable (const FT_DEVICE_LIST_INFO_NODE& node) noexcept;

} // namespace vitrel::ftdi
