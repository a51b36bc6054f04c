#include "MpsseEngine.h"

namespace ftd2xxsim
{
namespace
{

// Data-shifting opcodes: bit 0 write on the falling edge, bit 1 bit mode,
// bit 2 read on the falling edge, bit 3 LSB first, bit 4 write, bit 5 read.
bool isShift (std::uint8_t op) noexcept      { return op < 0x40 && (op & 0x30) != 0; }
bool shiftWrites (std::uint8_t op) noexcept  { return (op & 0x10) != 0; }
bool shiftReads (std::uint8_t op) noexcept   { return (op & 0x20) != 0; }
bool shiftInBits (std::uint8_t op) noexcept  { return (op & 0x02) != 0; }
bool shiftLsbFirst (std::uint8_t op) noexcept { return (op & 0x08) != 0; }

/** Parameter bytes of the control opcodes the engine knows; -1 for an opcode it rejects. */
int controlParameterCount (std::uint8_t op) noexcept
{
    switch (op)
    {
        case 0x80: case 0x82: case 0x86: case 0x8F: case 0x9E: return 2;
        case 0x8E: return 1;
        case 0x81: case 0x83: case 0x84: case 0x85: case 0x87: case 0x88: case 0x89:
        case 0x8A: case 0x8B: case 0x8C: case 0x8D: case 0x96: case 0x97: return 0;
        default: return -1;
    }
}

/** Parameter bytes a shift command needs before it can run: the length, plus the data byte of a bit write. */
std::size_t shiftParameterCount (std::uint8_t op) noexcept
{
    if (! shiftInBits (op))
        return 2;

    return shiftWrites (op) ? 2 : 1;
}

} // namespace

MpsseEngine::MpsseEngine (FTSimStatistics& statistics, std::deque<std::uint8_t>& receiveQueue)
    : stats (statistics), received (receiveQueue)
{
}

void MpsseEngine::attach (SpiSlave* s)
{
    slave = s;

    if (slave != nullptr)
        slave->pinsChanged (lowPinLevels());
}

void MpsseEngine::reset()
{
    discardPendingCommands();
    loopback = false;
    divideBy5 = true;
    divisor = 0;
    highLevels = highDirections = 0;
    setLowPins (0, 0);
}

void MpsseEngine::discardPendingCommands() noexcept
{
    pending.clear();
    streamingBytesLeft = 0;
}

void MpsseEngine::write (const std::uint8_t* bytes, std::size_t size)
{
    pending.insert (pending.end(), bytes, bytes + size);
    std::size_t done = 0;

    while (done < pending.size())
    {
        const auto used = runCommand (pending.data() + done, pending.size() - done);

        if (used == 0)
            break;

        done += used;
    }

    pending.erase (pending.begin(), pending.begin() + static_cast<std::ptrdiff_t> (done));
}

std::uint8_t MpsseEngine::lowPinLevels() const noexcept
{
    return static_cast<std::uint8_t> ((lowLevels & lowDirections) | ~lowDirections);
}

double MpsseEngine::clockHz() const noexcept
{
    return (divideBy5 ? 6'000'000.0 : 30'000'000.0) / (1.0 + divisor);
}

std::size_t MpsseEngine::runCommand (const std::uint8_t* bytes, std::size_t available)
{
    // Data of a byte write streams through as it arrives.
    if (streamingBytesLeft > 0)
    {
        std::size_t used = 0;

        for (; used < available && streamingBytesLeft > 0; ++used, --streamingBytesLeft)
        {
            const auto in = shiftBits (bytes[used], 8, shiftLsbFirst (streamingOpcode));

            if (shiftReads (streamingOpcode))
                queue (in);
        }

        return used;
    }

    const auto op = bytes[0];

    if (isShift (op))
        return runShift (op, bytes, available);

    const int parameters = controlParameterCount (op);

    if (parameters < 0)
    {
        // A bad opcode is answered with 0xFA and the opcode itself.
        ++stats.badCommands;
        queue (0xFA);
        queue (op);
        return 1;
    }

    if (available < 1 + static_cast<std::size_t> (parameters))
        return 0;

    runControl (op, bytes + 1);
    return 1 + static_cast<std::size_t> (parameters);
}

std::size_t MpsseEngine::runShift (std::uint8_t op, const std::uint8_t* bytes, std::size_t available)
{
    const auto parameters = shiftParameterCount (op);

    if (available < 1 + parameters)
        return 0;

    const bool lsbFirst = shiftLsbFirst (op);

    if (shiftInBits (op))
    {
        const auto out = shiftWrites (op) ? bytes[2] : static_cast<std::uint8_t> (0);
        const auto in = shiftBits (out, (bytes[1] & 7) + 1, lsbFirst);

        if (shiftReads (op))
            queue (in);

        return 1 + parameters;
    }

    const std::uint32_t length = (bytes[1] | (bytes[2] << 8)) + 1u;

    if (shiftWrites (op))
    {
        streamingOpcode = op;
        streamingBytesLeft = length;
        return 3;
    }

    for (std::uint32_t i = 0; i < length; ++i)
        queue (shiftBits (0, 8, lsbFirst));

    return 3;
}

void MpsseEngine::runControl (std::uint8_t op, const std::uint8_t* p)
{
    switch (op)
    {
        case 0x80: setLowPins (p[0], p[1]); break;
        case 0x82: highLevels = p[0]; highDirections = p[1]; break;
        case 0x81: queue (lowPinLevels()); break;
        case 0x83: queue (static_cast<std::uint8_t> ((highLevels & highDirections) | ~highDirections)); break;
        case 0x84: loopback = true; break;
        case 0x85: loopback = false; break;
        case 0x86: divisor = static_cast<std::uint16_t> (p[0] | (p[1] << 8)); break;
        case 0x8A: divideBy5 = false; break;
        case 0x8B: divideBy5 = true; break;
        case 0x8E: shiftBits (0, (p[0] & 7) + 1, false); break;
        case 0x8F:
            for (std::uint32_t i = 0; i < (p[0] | (p[1] << 8)) + 1u; ++i)
                shiftBits (0, 8, false);
            break;
        default: break; // send immediate, adaptive and 3-phase clocking, waits: nothing to model
    }
}

std::uint8_t MpsseEngine::shiftBits (std::uint8_t out, int bitCount, bool lsbFirst)
{
    std::uint8_t in = 0;

    for (int i = 0; i < bitCount; ++i)
    {
        const int bit = lsbFirst ? i : 7 - i;
        const bool sample = clockOne (((out >> bit) & 1) != 0);

        // MSB-first bits shift in from the right, LSB-first bits from the left.
        in = lsbFirst ? static_cast<std::uint8_t> ((in >> 1) | (sample ? 0x80 : 0))
                      : static_cast<std::uint8_t> ((in << 1) | (sample ? 1 : 0));
    }

    return in;
}

bool MpsseEngine::clockOne (bool dataOut)
{
    ++stats.spiBits;
    stats.spiSeconds += 1.0 / clockHz();

    // Loopback ties data out to data in inside the chip; the pins still clock.
    const bool slaveBit = slave != nullptr ? slave->clockBit (dataOut) : true;
    return loopback ? dataOut : slaveBit;
}

void MpsseEngine::setLowPins (std::uint8_t levels, std::uint8_t directions)
{
    lowLevels = levels;
    lowDirections = directions;

    if (slave != nullptr)
        slave->pinsChanged (lowPinLevels());
}

void MpsseEngine::queue (std::uint8_t byte)
{
    received.push_back (byte);
}

} // namespace ftd2xxsim
