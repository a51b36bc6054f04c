#pragma once

#include <cstddef>
#include <cstdint>

// The binary interface of the FTDI D2XX driver library, as its programmer's
// guide describes it: the types, the device-list entry and the entry points
// by signature. The bridge layer loads a library of this interface at run
// time and the simulator is one, so both take every type from here and a
// mismatch between them stops the build instead of corrupting a call.

#if defined(_WIN32)
 #define D2XX_CALL __stdcall
#else
 #define D2XX_CALL
#endif

/** A device handle opened by FT_Open. */
using FT_HANDLE = void*;

/** Every D2XX entry point answers with one of these (0 is success). */
using FT_STATUS = std::uint32_t;

/** The chip family of a device, in the driver's numbering. */
using FT_DEVICE = std::uint32_t;

/** Driver statuses, in the driver's numbering. */
enum D2xxStatus : FT_STATUS
{
    FT_OK = 0,
    FT_INVALID_HANDLE = 1,
    FT_DEVICE_NOT_FOUND = 2,
    FT_DEVICE_NOT_OPENED = 3,
    FT_IO_ERROR = 4,
    FT_INSUFFICIENT_RESOURCES = 5,
    FT_INVALID_PARAMETER = 6,
    FT_INVALID_ARGS = 16,
    FT_OTHER_ERROR = 18
};

/** Device types of the chips with an MPSSE or a serial port, in the driver's numbering. */
enum D2xxDeviceType : FT_DEVICE
{
    FT_DEVICE_2232C = 4,
    FT_DEVICE_232R = 5,
    FT_DEVICE_2232H = 6,
    FT_DEVICE_4232H = 7,
    FT_DEVICE_232H = 8,
    FT_DEVICE_X_SERIES = 9
};

/** One entry of the driver's device list; Flags bit 0 marks an opened device, bit 1 a high-speed one. */
struct FT_DEVICE_LIST_INFO_NODE
{
    std::uint32_t Flags;
    std::uint32_t Type;
    std::uint32_t ID;
    std::uint32_t LocId;
    char SerialNumber[16];
    char Description[64];
    FT_HANDLE ftHandle;
};

static_assert (offsetof (FT_DEVICE_LIST_INFO_NODE, Type) == 4);
static_assert (offsetof (FT_DEVICE_LIST_INFO_NODE, ID) == 8);
static_assert (offsetof (FT_DEVICE_LIST_INFO_NODE, LocId) == 12);
static_assert (offsetof (FT_DEVICE_LIST_INFO_NODE, SerialNumber) == 16);
static_assert (offsetof (FT_DEVICE_LIST_INFO_NODE, Description) == 32);
static_assert (offsetof (FT_DEVICE_LIST_INFO_NODE, ftHandle) == 96);
static_assert (sizeof (void*) != 8 || sizeof (FT_DEVICE_LIST_INFO_NODE) == 104, "the 64-bit layout is 104 bytes");

//==============================================================================
// The entry points, as pointers of the types a loader casts the resolved
// addresses to.

using FT_GetLibraryVersion_t = FT_STATUS (D2XX_CALL*) (std::uint32_t* version);
using FT_CreateDeviceInfoList_t = FT_STATUS (D2XX_CALL*) (std::uint32_t* count);
using FT_GetDeviceInfoList_t = FT_STATUS (D2XX_CALL*) (FT_DEVICE_LIST_INFO_NODE* nodes, std::uint32_t* count);
using FT_Open_t = FT_STATUS (D2XX_CALL*) (int index, FT_HANDLE* handle);
using FT_Close_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle);
using FT_ResetDevice_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle);
using FT_Purge_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle, std::uint32_t mask);
using FT_SetUSBParameters_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle, std::uint32_t inSize, std::uint32_t outSize);
using FT_SetChars_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle, std::uint8_t event, std::uint8_t eventEnabled,
                                              std::uint8_t error, std::uint8_t errorEnabled);
using FT_SetTimeouts_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle, std::uint32_t readMs, std::uint32_t writeMs);
using FT_SetLatencyTimer_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle, std::uint8_t latencyMs);
using FT_SetBitMode_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle, std::uint8_t mask, std::uint8_t mode);
using FT_GetQueueStatus_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle, std::uint32_t* bytesWaiting);
using FT_Read_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* bytesRead);
using FT_Write_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* bytesWritten);
using FT_GetDeviceInfo_t = FT_STATUS (D2XX_CALL*) (FT_HANDLE handle, FT_DEVICE* type, std::uint32_t* id,
                                                   char* serialNumber, char* description, void* reserved);
