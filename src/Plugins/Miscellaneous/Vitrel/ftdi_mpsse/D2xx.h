#pragma once

#include <cstdint>

// The D2XX driver's types and entry points as the bridge layer sees them. The
// driver is a separate library loaded at run time, so only function pointer
// types are declared here, never the functions themselves.

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

/** Statuses the bridge layer produces or reacts to, in the driver's numbering. */
enum D2xxStatus : FT_STATUS
{
    FT_OK = 0,
    FT_INVALID_HANDLE = 1,
    FT_DEVICE_NOT_FOUND = 2,
    FT_IO_ERROR = 4,
    FT_INSUFFICIENT_RESOURCES = 5,
    FT_INVALID_PARAMETER = 6,
    FT_OTHER_ERROR = 18
};

/** Device types of the chips whose channels can run the MPSSE. */
enum D2xxDeviceType : FT_DEVICE
{
    FT_DEVICE_2232C = 4,
    FT_DEVICE_232R = 5,
    FT_DEVICE_2232H = 6,
    FT_DEVICE_4232H = 7,
    FT_DEVICE_232H = 8
};

/** One entry of the driver's device list; 104 bytes in the 64-bit layout. */
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

/** The sixteen driver entry points the bridge layer uses, in the order they are resolved. */
struct D2xxFunctions
{
    FT_GetLibraryVersion_t getLibraryVersion = nullptr;
    FT_CreateDeviceInfoList_t createDeviceInfoList = nullptr;
    FT_GetDeviceInfoList_t getDeviceInfoList = nullptr;
    FT_Open_t open = nullptr;
    FT_Close_t close = nullptr;
    FT_ResetDevice_t resetDevice = nullptr;
    FT_Purge_t purge = nullptr;
    FT_SetUSBParameters_t setUsbParameters = nullptr;
    FT_SetChars_t setChars = nullptr;
    FT_SetTimeouts_t setTimeouts = nullptr;
    FT_SetLatencyTimer_t setLatencyTimer = nullptr;
    FT_SetBitMode_t setBitMode = nullptr;
    FT_GetQueueStatus_t getQueueStatus = nullptr;
    FT_Read_t read = nullptr;
    FT_Write_t write = nullptr;
    FT_GetDeviceInfo_t getDeviceInfo = nullptr;
};
