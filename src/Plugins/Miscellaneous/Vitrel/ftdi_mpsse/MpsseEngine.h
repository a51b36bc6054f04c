#pragma once

#include "D2xxFunctions.h"

#include <cstdint>

namespace vitrel::ftdi
{

/** The fastest SPI clock the engine can produce, in Hz. */
inline constexpr std::uint32_t maxSpiClockHz = 30'000'000;

/** Resets the channel, switches it to the MPSSE, proves the engine answers and sets the clock; the first failing status. */
FT_STATUS initMpsseEngine (const D2xxFunctions& d2xx, FT_HANDLE handle, std::uint32_t clockHz, std::uint32_t latencyMs);

/** Brings host and engine in step: drops stale replies, then waits for the echoes of the bad opcodes 0xAA and 0xAB. */
FT_STATUS syncMpsse (const D2xxFunctions& d2xx, FT_HANDLE handle);

/** Sends opcode (on every poll when resend is set) until the engine's 0xFA echo of it arrives; FT_OTHER_ERROR when it never does. */
FT_STATUS awaitBadCommandEcho (const D2xxFunctions& d2xx, FT_HANDLE handle, std::uint8_t opcode, bool resend);

/** Reads and drops whatever is waiting in the receive queue. */
FT_STATUS drainReceiveQueue (const D2xxFunctions& d2xx, FT_HANDLE handle);

/** The base clock and divisor that give the fastest clock not above a request; see clockSettingFor. */
struct ClockSetting
{
    std::uint32_t baseHz = 0;     ///< 30 MHz, or 6 MHz with the divide-by-5 on
    std::uint32_t divisor = 0;    ///< the clock is baseHz / (1 + divisor)
    bool valid = false;           ///< false when even the slowest divisor runs faster than asked
};

/** The setting for clockHz on a device of the given type, rounding the divisor up so the bus never runs faster than asked. */
ClockSetting clockSettingFor (FT_DEVICE type, std::uint32_t clockHz) noexcept;

/** Programs the clock divider of a device of the given type for clockHz; FT_INVALID_PARAMETER, sending nothing, for a clock it cannot make. */
FT_STATUS setMpsseClock (const D2xxFunctions& d2xx, FT_HANDLE handle, FT_DEVICE type, std::uint32_t clockHz);

} // namespace vitrel::ftdi
