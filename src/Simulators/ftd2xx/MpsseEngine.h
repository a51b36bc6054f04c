#pragma once

#include "D2xxApi.h"
#include "SpiSlave.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace ftd2xxsim
{

/**
    The MPSSE command processor of one channel: it takes the bytes the host
    writes, runs the commands as soon as they are complete (a command may span
    several writes), clocks data through the attached SPI slave and queues the
    bytes the chip sends back.
*/
class MpsseEngine
{
public:
    /** An engine that counts into statistics and answers into receiveQueue. */
    MpsseEngine (FTSimStatistics& statistics, std::deque<std::uint8_t>& receiveQueue);

    /** Wires a slave to the ADBUS pins (null: nothing attached, data-in floats high). */
    void attach (SpiSlave* slave);

    /** Returns the engine to its power-up state: pins inputs, loopback off, clock 6 MHz, no partial command. */
    void reset();

    /** Drops the bytes of a command not yet complete, as a purge of the transmit buffer does. */
    void discardPendingCommands() noexcept;

    /** Feeds bytes written by the host. */
    void write (const std::uint8_t* bytes, std::size_t size);

    /** The levels ADBUS0-7 carry: driven outputs, inputs floating high. */
    std::uint8_t lowPinLevels() const noexcept;

    /** The SPI clock the divisor and divide-by-5 setting give, in Hz. */
    double clockHz() const noexcept;

private:
    std::size_t runCommand (const std::uint8_t* bytes, std::size_t available);
    std::size_t runShift (std::uint8_t opcode, const std::uint8_t* bytes, std::size_t available);
    void runControl (std::uint8_t opcode, const std::uint8_t* parameters);
    std::uint8_t shiftBits (std::uint8_t out, int bitCount, bool lsbFirst);
    bool clockOne (bool dataOut);
    void setLowPins (std::uint8_t levels, std::uint8_t directions);
    void queue (std::uint8_t byte);

    FTSimStatistics& stats;
    std::deque<std::uint8_t>& received;
    SpiSlave* slave = nullptr;
    std::vector<std::uint8_t> pending;

    // A byte write whose data is still arriving.
    std::uint8_t streamingOpcode = 0;
    std::uint32_t streamingBytesLeft = 0;

    std::uint8_t lowLevels = 0, lowDirections = 0, highLevels = 0, highDirections = 0;
    bool loopback = false;
    bool divideBy5 = true;
    std::uint16_t divisor = 0;
};

} // namespace ftd2xxsim
