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

/** Programs the clock divider of a device of the given type for clockHz. */
FT_STATUS setMpsseClock (const D2xxFunctions& d2xx, FT_HANDLE handle, FT_DEVICE type, std::uint32_t clockHz);

} // namespace vitrel::ftdi
