#include "ftdi_infra.h"

#include "DriverLibrary.h"
#include "NullCheck.h"

#include <string>

namespace vitrel::ftdi
{
namespace
{

// The driver is loaded on first use and kept for the life of the process,
// so that a host without the driver can still load the plug-in.
struct DriverState
{
    void* library = nullptr;
    bool loaded = false;
    std::string path;
    D2xxFunctions functions;
};

DriverState& state() noexcept
{
    static DriverState s;
    return s;
}

template <typename FunctionPointer>
bool resolve (void* library, const char* name, FunctionPointer& slot) noexcept
{
    slot = reinterpret_cast<FunctionPointer> (findDriverFunction (library, name));
    return slot != nullptr;
}

bool resolveAll (void* library, D2xxFunctions& f) noexcept
{
    return resolve (library, "FT_GetLibraryVersion", f.getLibraryVersion)
        && resolve (library, "FT_CreateDeviceInfoList", f.createDeviceInfoList)
        && resolve (library, "FT_GetDeviceInfoList", f.getDeviceInfoList)
        && resolve (library, "FT_Open", f.open)
        && resolve (library, "FT_Close", f.close)
        && resolve (library, "FT_ResetDevice", f.resetDevice)
        && resolve (library, "FT_Purge", f.purge)
        && resolve (library, "FT_SetUSBParameters", f.setUsbParameters)
        && resolve (library, "FT_SetChars", f.setChars)
        && resolve (library, "FT_SetTimeouts", f.setTimeouts)
        && resolve (library, "FT_SetLatencyTimer", f.setLatencyTimer)
        && resolve (library, "FT_SetBitMode", f.setBitMode)
        && resolve (library, "FT_GetQueueStatus", f.getQueueStatus)
        && resolve (library, "FT_Read", f.read)
        && resolve (library, "FT_Write", f.write)
        && resolve (library, "FT_GetDeviceInfo", f.getDeviceInfo);
}

void unload() noexcept
{
    auto& s = state();

    if (s.library != nullptr)
        closeDriverLibrary (s.library);

    s.library = nullptr;
    s.loaded = false;
    s.functions = {};
}

} // namespace

const D2xxFunctions* driver() noexcept
{
    if (! state().loaded)
        Init_libMPSSE();

    return state().loaded ? &state().functions : nullptr;
}

bool isDriverLoaded() noexcept
{
    return state().loaded;
}

void setDriverLibraryPath (const char* path)
{
    unload();
    state().path = path != nullptr ? path : "";
}

void useDriverFunctions (const D2xxFunctions& functions) noexcept
{
    unload();
    state().functions = functions;
    state().loaded = true;
}

} // namespace vitrel::ftdi

using namespace vitrel::ftdi;

void Init_libMPSSE()
{
    auto& s = state();

    if (s.loaded)
        return;

    const char* path = s.path.empty() ? defaultDriverLibraryName() : s.path.c_str();
    s.library = openDriverLibrary (path);

    if (s.library == nullptr || ! resolveAll (s.library, s.functions))
    {
        // A missing driver only leaves the bridge unusable: every channel call
        // answers with a failure and the next use tries again.
        reportNullExpression (__FILE__, __LINE__, __func__);
        unload();
        return;
    }

    s.loaded = true;
}

void Cleanup_libMPSSE()
{
    unload();
}

FT_STATUS Infra_TestFunction (std::uint32_t i, std::uint32_t* j)
{
    if (j != nullptr)
        *j = i + 100;

    return FT_OK;
}
