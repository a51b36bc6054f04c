#include "MpsseIo.h"

#include <chrono>
#include <thread>

namespace vitrel::ftdi
{

FT_STATUS writeBytes (const D2xxFunctions& d2xx, FT_HANDLE handle, const std::uint8_t* bytes, std::uint32_t size,
                      std::uint32_t* written)
{
    std::uint32_t count = 0;
    // The driver's prototype takes a mutable buffer but only reads it.
    const auto status = d2xx.write (handle, const_cast<std::uint8_t*> (bytes), size, &count);

    if (written != nullptr)
        *written = count;

    return status;
}

FT_STATUS writeCommand (const D2xxFunctions& d2xx, FT_HANDLE handle, std::initializer_list<std::uint8_t> bytes)
{
    return writeBytes (d2xx, handle, bytes.begin(), static_cast<std::uint32_t> (bytes.size()));
}

FT_STATUS writeLowByte (const D2xxFunctions& d2xx, FT_HANDLE handle, std::uint8_t levels, std::uint8_t directions)
{
    return writeCommand (d2xx, handle, { MPSSE_SET_LOW_BYTE, levels, directions });
}

void sleepMilliseconds (int ms)
{
    std::this_thread::sleep_for (std::chrono::milliseconds (ms));
}

} // namespace vitrel::ftdi
