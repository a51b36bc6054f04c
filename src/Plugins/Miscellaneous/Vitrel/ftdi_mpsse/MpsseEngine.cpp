#include "MpsseEngine.h"

#include "MpsseIo.h"

#include <algorithm>
#include <memory>
#include <new>

namespace vitrel::ftdi
{
namespace
{

constexpr std::uint32_t receiveBufferSize = 4096;
constexpr int echoPolls = 4097;

std::unique_ptr<std::uint8_t[]> allocateReceiveBuffer() noexcept
{
    return std::unique_ptr<std::uint8_t[]> (new (std::nothrow) std::uint8_t[receiveBufferSize]);
}

/** Finds the two-byte echo 0xFA, opcode; armed carries a trailing 0xFA over to the next read. */
bool scanForEcho (const std::uint8_t* bytes, std::uint32_t size, std::uint8_t opcode, bool& armed) noexcept
{
    for (std::uint32_t i = 0; i < size; ++i)
    {
        if (armed && bytes[i] == opcode)
            return true;

        armed = bytes[i] == MPSSE_BAD_COMMAND_REPLY;
    }

    return false;
}

FT_STATUS prepareChannel (const D2xxFunctions& d2xx, FT_HANDLE handle, std::uint32_t latencyMs)
{
    FT_STATUS status = FT_OK;

    if ((status = d2xx.resetDevice (handle)) != FT_OK) return status;
    if ((status = d2xx.purge (handle, 3)) != FT_OK) return status;
    if ((status = d2xx.setUsbParameters (handle, 65536, 65536)) != FT_OK) return status;
    if ((status = d2xx.setChars (handle, 0, 0, 0, 0)) != FT_OK) return status;
    if ((status = d2xx.setTimeouts (handle, 5000, 5000)) != FT_OK) return status;
    if ((status = d2xx.setLatencyTimer (handle, static_cast<std::uint8_t> (latencyMs))) != FT_OK) return status;
    if ((status = d2xx.setBitMode (handle, 0x00, 0x00)) != FT_OK) return status;
    return d2xx.setBitMode (handle, 0x00, 0x02);
}

} // namespace

FT_STATUS initMpsseEngine (const D2xxFunctions& d2xx, FT_HANDLE handle, std::uint32_t clockHz, std::uint32_t latencyMs)
{
    // A clock no device of the family can make (0 Hz, above the maximum, below
    // the slowest divisor) is refused before the device is asked anything.
    if (! clockSettingFor (FT_DEVICE_232H, clockHz).valid || latencyMs > 255)
        return FT_INVALID_PARAMETER;

    FT_DEVICE type = 0;
    std::uint32_t id = 0;
    char serialNumber[16] = {};
    char description[64] = {};
    FT_STATUS status = d2xx.getDeviceInfo (handle, &type, &id, serialNumber, description, nullptr);

    if (status != FT_OK) return status;

    // The FT2232C/D's coarser base cannot go as slow as the others.
    if (! clockSettingFor (type, clockHz).valid) return FT_INVALID_PARAMETER;

    if ((status = prepareChannel (d2xx, handle, latencyMs)) != FT_OK) return status;

    // With loopback on, nothing reaches the SPI bus while the engine is probed.
    if ((status = writeCommand (d2xx, handle, { MPSSE_LOOPBACK_ON })) != FT_OK) return status;
    if ((status = syncMpsse (d2xx, handle)) != FT_OK) return status;
    sleepMilliseconds (50);

    if ((status = setMpsseClock (d2xx, handle, type, clockHz)) != FT_OK) return status;
    sleepMilliseconds (20);

    if ((status = writeCommand (d2xx, handle, { MPSSE_LOOPBACK_OFF })) != FT_OK) return status;
    return drainReceiveQueue (d2xx, handle);
}

FT_STATUS syncMpsse (const D2xxFunctions& d2xx, FT_HANDLE handle)
{
    FT_STATUS status = drainReceiveQueue (d2xx, handle);

    if (status != FT_OK)
        return status;

    // The echo of a bad opcode proves the engine is in sync with the host:
    // everything before it has been answered.
    if ((status = awaitBadCommandEcho (d2xx, handle, 0xAA, true)) != FT_OK)
        return status;

    return awaitBadCommandEcho (d2xx, handle, 0xAB, false);
}

FT_STATUS awaitBadCommandEcho (const D2xxFunctions& d2xx, FT_HANDLE handle, std::uint8_t opcode, bool resend)
{
    auto buffer = allocateReceiveBuffer();

    if (buffer == nullptr)
        return FT_INSUFFICIENT_RESOURCES;

    FT_STATUS status = FT_OK;

    if (! resend && (status = writeCommand (d2xx, handle, { opcode })) != FT_OK)
        return status;

    bool armed = false;

    for (int poll = 0; poll < echoPolls; ++poll)
    {
        if (resend && (status = writeCommand (d2xx, handle, { opcode })) != FT_OK)
            return status;

        std::uint32_t waiting = 0;

        if ((status = d2xx.getQueueStatus (handle, &waiting)) != FT_OK)
            return status;

        sleepMilliseconds (1);

        if (waiting == 0)
            continue;

        if (waiting > receiveBufferSize)
            return FT_INSUFFICIENT_RESOURCES;

        std::uint32_t received = 0;

        if ((status = d2xx.read (handle, buffer.get(), waiting, &received)) != FT_OK)
            return status;

        if (scanForEcho (buffer.get(), std::min (received, waiting), opcode, armed))
            return FT_OK;
    }

    return FT_OTHER_ERROR;
}

FT_STATUS drainReceiveQueue (const D2xxFunctions& d2xx, FT_HANDLE handle)
{
    auto buffer = allocateReceiveBuffer();

    if (buffer == nullptr)
        return FT_INSUFFICIENT_RESOURCES;

    std::uint32_t waiting = 0;
    FT_STATUS status = d2xx.getQueueStatus (handle, &waiting);

    for (std::uint32_t drained = 0; status == FT_OK && drained < waiting;)
    {
        std::uint32_t received = 0;
        status = d2xx.read (handle, buffer.get(), std::min (waiting - drained, receiveBufferSize), &received);

        // A read that times out empty would otherwise keep the loop waiting for bytes that never come.
        if (received == 0)
            break;

        drained += received;
    }

    return status;
}

ClockSetting clockSettingFor (FT_DEVICE type, std::uint32_t clockHz) noexcept
{
    if (clockHz == 0 || clockHz > maxSpiClockHz)
        return {};

    // The FT2232C/D has no divide-by-5 control; the high-speed chips choose the
    // 6 MHz base for slow clocks so the 16-bit divisor keeps its resolution.
    const std::uint32_t base = type == FT_DEVICE_2232C || clockHz > 6'000'000 ? maxSpiClockHz : 6'000'000;

    // Rounded up: a divisor rounded down would clock a device faster than it may be driven.
    const auto divisor = (base + clockHz - 1) / clockHz - 1;

    if (divisor > 0xFFFF)
        return {};

    return { base, divisor, true };
}

FT_STATUS setMpsseClock (const D2xxFunctions& d2xx, FT_HANDLE handle, FT_DEVICE type, std::uint32_t clockHz)
{
    const auto setting = clockSettingFor (type, clockHz);

    if (! setting.valid)
        return FT_INVALID_PARAMETER;

    if (type != FT_DEVICE_2232C)
    {
        const bool fast = setting.baseHz == maxSpiClockHz;

        if (const auto status = writeCommand (d2xx, handle, { fast ? MPSSE_DIVIDE_BY_5_OFF : MPSSE_DIVIDE_BY_5_ON });
            status != FT_OK)
            return status;
    }

    return writeCommand (d2xx, handle, { MPSSE_SET_DIVISOR, static_cast<std::uint8_t> (setting.divisor & 0xFF),
                                         static_cast<std::uint8_t> (setting.divisor >> 8) });
}

} // namespace vitrel::ftdi
