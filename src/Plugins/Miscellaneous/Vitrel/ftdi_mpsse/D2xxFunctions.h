#pragma once

#include "d2xx/D2xx.h"

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
