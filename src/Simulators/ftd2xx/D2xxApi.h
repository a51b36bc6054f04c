#pragma once

#include <cstdint>

// The D2XX interface as this simulator implements it: the driver's types and
// the entry points a client resolves by name, plus two entry points of the
// simulator's own for reading its counters.

#if defined(_WIN32)
 #define FTSIM_EXPORT extern "C" __declspec(dllexport)
 #define FTSIM_CALL __stdcall
#else
 #define FTSIM_EXPORT extern "C" __attribute__((visibility ("default")))
 #define FTSIM_CALL
#endif

namespace ftd2xxsim
{

using Handle = void*;
using Status = std::uint32_t;

/** Driver statuses the simulator answers with. */
enum : Status
{
    ok = 0,
    invalidHandle = 1,
    deviceNotFound = 2,
    deviceNotOpened = 3,
    invalidParameter = 6,
    invalidArgs = 16
};

/** Device types, in the driver's numbering. */
enum DeviceType : std::uint32_t
{
    typeFt2232c = 4,
    typeFt232r = 5,
    typeFt2232h = 6,
    typeFt4232h = 7,
    typeFt232h = 8,
    typeFtX = 9
};

/** One device-list entry in the driver's layout. */
struct DeviceListNode
{
    std::uint32_t flags;
    std::uint32_t type;
    std::uint32_t id;
    std::uint32_t locationId;
    char serialNumber[16];
    char description[64];
    Handle handle;
};

} // namespace ftd2xxsim

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

FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_GetLibraryVersion (std::uint32_t* version);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_CreateDeviceInfoList (std::uint32_t* count);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_GetDeviceInfoList (ftd2xxsim::DeviceListNode* nodes, std::uint32_t* count);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_Open (int index, ftd2xxsim::Handle* handle);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_Close (ftd2xxsim::Handle handle);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_ResetDevice (ftd2xxsim::Handle handle);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_Purge (ftd2xxsim::Handle handle, std::uint32_t mask);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_SetUSBParameters (ftd2xxsim::Handle handle, std::uint32_t in, std::uint32_t out);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_SetChars (ftd2xxsim::Handle handle, std::uint8_t event, std::uint8_t eventOn,
                                                        std::uint8_t error, std::uint8_t errorOn);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_SetTimeouts (ftd2xxsim::Handle handle, std::uint32_t readMs, std::uint32_t writeMs);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_SetLatencyTimer (ftd2xxsim::Handle handle, std::uint8_t ms);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_SetBitMode (ftd2xxsim::Handle handle, std::uint8_t mask, std::uint8_t mode);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_GetQueueStatus (ftd2xxsim::Handle handle, std::uint32_t* waiting);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_Read (ftd2xxsim::Handle handle, void* buffer, std::uint32_t size, std::uint32_t* received);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_Write (ftd2xxsim::Handle handle, void* buffer, std::uint32_t size, std::uint32_t* written);
FTSIM_EXPORT ftd2xxsim::Status FTSIM_CALL FT_GetDeviceInfo (ftd2xxsim::Handle handle, std::uint32_t* type, std::uint32_t* id,
                                                             char* serialNumber, char* description, void* reserved);

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

/** Makes the co-processor's next command fault with text as its fault report. */
FTSIM_EXPORT int FTSIM_CALL FTSim_InjectCoprocessorFault (const char* text);

/** Touches the panel at (x, y), or lifts the touch when x is negative. */
FTSIM_EXPORT int FTSIM_CALL FTSim_Touch (int x, int y);
