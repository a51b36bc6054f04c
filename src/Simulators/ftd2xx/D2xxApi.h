#pragma once

#include "d2xx/D2xx.h"

#include <cstdint>
#include <type_traits>

// The D2XX entry points this simulator exports, in the driver's interface,
// plus entry points of the simulator's own for its counters and its
// simulated display controller.

#if defined(_WIN32)
 #define FTSIM_EXPORT extern "C" __declspec(dllexport)
#else
 #define FTSIM_EXPORT extern "C" __attribute__((visibility ("default")))
#endif
#define FTSIM_CALL D2XX_CALL

/** What the simulator has counted since it was loaded or its counters were reset. */
struct FTSimStatistics
{
    std::uint64_t usbWrites;      ///< FT_Write calls (one bulk-out transfer each)
    std::uint64_t usbReads;       ///< FT_Read calls
    std::uint64_t bytesWritten;
    std::uint64_t bytesRead;
    std::uint64_t readShortfalls; ///< reads that got fewer bytes than asked, where a device would have waited for its time-out
    std::uint64_t badCommands;    ///< opcodes the MPSSE answered with 0xFA
    std::uint64_t spiBits;        ///< bits clocked on the SPI pins
    double spiSeconds;            ///< time those clocks take at the programmed rate
    std::uint64_t controllerDataBytes; ///< value bytes a display controller took or gave (no address, dummy or command bytes)
};

FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_GetLibraryVersion (std::uint32_t* version);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_CreateDeviceInfoList (std::uint32_t* count);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_GetDeviceInfoList (FT_DEVICE_LIST_INFO_NODE* nodes, std::uint32_t* count);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_Open (int index, FT_HANDLE* handle);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_Close (FT_HANDLE handle);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_ResetDevice (FT_HANDLE handle);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_Purge (FT_HANDLE handle, std::uint32_t mask);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_SetUSBParameters (FT_HANDLE handle, std::uint32_t in, std::uint32_t out);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_SetChars (FT_HANDLE handle, std::uint8_t event, std::uint8_t eventOn,
                                                std::uint8_t error, std::uint8_t errorOn);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_SetTimeouts (FT_HANDLE handle, std::uint32_t readMs, std::uint32_t writeMs);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_SetLatencyTimer (FT_HANDLE handle, std::uint8_t ms);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_SetBitMode (FT_HANDLE handle, std::uint8_t mask, std::uint8_t mode);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_GetQueueStatus (FT_HANDLE handle, std::uint32_t* waiting);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_Read (FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* received);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_Write (FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* written);
FTSIM_EXPORT FT_STATUS FTSIM_CALL FT_GetDeviceInfo (FT_HANDLE handle, FT_DEVICE* type, std::uint32_t* id,
                                                     char* serialNumber, char* description, void* reserved);

// A client casts each resolved address to the interface's pointer type, so
// every export must have exactly that type.
static_assert (std::is_same_v<decltype (&FT_GetLibraryVersion), FT_GetLibraryVersion_t>);
static_assert (std::is_same_v<decltype (&FT_CreateDeviceInfoList), FT_CreateDeviceInfoList_t>);
static_assert (std::is_same_v<decltype (&FT_GetDeviceInfoList), FT_GetDeviceInfoList_t>);
static_assert (std::is_same_v<decltype (&FT_Open), FT_Open_t>);
static_assert (std::is_same_v<decltype (&FT_Close), FT_Close_t>);
static_assert (std::is_same_v<decltype (&FT_ResetDevice), FT_ResetDevice_t>);
static_assert (std::is_same_v<decltype (&FT_Purge), FT_Purge_t>);
static_assert (std::is_same_v<decltype (&FT_SetUSBParameters), FT_SetUSBParameters_t>);
static_assert (std::is_same_v<decltype (&FT_SetChars), FT_SetChars_t>);
static_assert (std::is_same_v<decltype (&FT_SetTimeouts), FT_SetTimeouts_t>);
static_assert (std::is_same_v<decltype (&FT_SetLatencyTimer), FT_SetLatencyTimer_t>);
static_assert (std::is_same_v<decltype (&FT_SetBitMode), FT_SetBitMode_t>);
static_assert (std::is_same_v<decltype (&FT_GetQueueStatus), FT_GetQueueStatus_t>);
static_assert (std::is_same_v<decltype (&FT_Read), FT_Read_t>);
static_assert (std::is_same_v<decltype (&FT_Write), FT_Write_t>);
static_assert (std::is_same_v<decltype (&FT_GetDeviceInfo), FT_GetDeviceInfo_t>);

/** Copies the simulator's counters. */
FTSIM_EXPORT void FTSIM_CALL FTSim_GetStatistics (FTSimStatistics* statistics);

/** Sets the simulator's counters back to zero. */
FTSIM_EXPORT void FTSIM_CALL FTSim_ResetStatistics();

// Controls of the first simulated display controller (a BT815 named in
// FTD2XX_SIM_DEVICES); each returns 0 when there is none.

/** Copies size bytes of the controller's address space from address into buffer. */
FTSIM_EXPORT int FTSIM_CALL FTSim_ReadMemory (std::uint32_t address, std::uint8_t* buffer, std::uint32_t size);

/** Copies up to size of the host commands received so far into buffer; the number received. */
FTSIM_EXPORT int FTSIM_CALL FTSim_GetHostCommands (std::uint8_t* buffer, std::uint32_t size);

/** Lets each boot last for reads read transactions that answer only zeros. */
FTSIM_EXPORT int FTSIM_CALL FTSim_SetBootReads (int reads);

/** Keeps the engines in reset after each boot for reads reads of REG_CPURESET. */
FTSIM_EXPORT int FTSIM_CALL FTSim_SetEngineStartReads (int reads);

/** Makes the co-processor's next command fault with text as its fault report. */
FTSIM_EXPORT int FTSIM_CALL FTSim_InjectCoprocessorFault (const char* text);

/** Touches the panel at (x, y), or lifts the touch when x is negative. */
FTSIM_EXPORT int FTSIM_CALL FTSim_Touch (int x, int y);
