#pragma once

#include "D2xxFunctions.h"

#include <cstdint>
#include <initializer_list>

namespace vitrel::ftdi
{

/** MPSSE opcodes the layer sends. */
enum MpsseOpcode : std::uint8_t
{
    MPSSE_SET_LOW_BYTE = 0x80,
    MPSSE_GET_LOW_BYTE = 0x81,
    MPSSE_LOOPBACK_ON = 0x84,
    MPSSE_LOOPBACK_OFF = 0x85,
    MPSSE_SET_DIVISOR = 0x86,
    MPSSE_SEND_IMMEDIATE = 0x87,
    MPSSE_DIVIDE_BY_5_OFF = 0x8A,
    MPSSE_DIVIDE_BY_5_ON = 0x8B,
    MPSSE_BAD_COMMAND_REPLY = 0xFA
};

/** Sends bytes to the channel in one driver write; the driver's status. */
FT_STATUS writeBytes (const D2xxFunctions& d2xx, FT_HANDLE handle, const std::uint8_t* bytes, std::uint32_t size,
                      std::uint32_t* written = nullptr);

/** Sends a short MPSSE command in one driver write. */
FT_STATUS writeCommand (const D2xxFunctions& d2xx, FT_HANDLE handle, std::initializer_list<std::uint8_t> bytes);

/** Drives ADBUS0-7: opcode 0x80 with the levels, then the directions (bit set = output). */
FT_STATUS writeLowByte (const D2xxFunctions& d2xx, FT_HANDLE handle, std::uint8_t levels, std::uint8_t directions);

/** Sleeps the calling thread, as the engine's settle times need. */
void sleepMilliseconds (int ms);

} // namespace vitrel::ftdi
