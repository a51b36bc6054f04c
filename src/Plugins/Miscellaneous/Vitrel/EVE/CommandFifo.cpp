#include "CommandFifo.h"

#include "EveRegisters.h"
#include "EveTransport.h"
#include "ftdi_mpsse/SpiBridge.h"

#include <cstdio>
#include <cstring>

namespace vitrel::eve
{

std::uint16_t fifoWriteOffset = 0;

namespace
{

constexpr std::uint16_t ringMask = 0xFFF;
constexpr std::uint16_t usableBytes = 4092;
constexpr std::uint32_t burstBytes = 512;

/** What the ring can take while the co-processor is at read and the host has published up to write. */
std::uint16_t freeBytes (std::uint16_t read, std::uint16_t write) noexcept
{
    return static_cast<std::uint16_t> (usableBytes - ((write - read) & ringMask));
}

void advanceWriteOffset (std::uint32_t bytes)
{
    fifoWriteOffset = static_cast<std::uint16_t> ((fifoWriteOffset + bytes) & ringMask);
}

/** Prints the controller's fault text: up to 128 bytes, ending after a zero byte. */
void printFaultReport()
{
    std::printf ("\n");

    for (std::uint32_t i = 0; i < RAM_ERR_REPORT_SIZE; ++i)
    {
        const auto c = rd8 (RAM_ERR_REPORT + i);
        std::printf ("%c", c);

        if (c == 0)
            break;
    }

    std::printf ("\n");
}

void recoverFromFault()
{
    printFaultReport();
    resetCoprocessor();
    fifoWriteOffset = 0;
    sleepMilliseconds (250);
}

} // namespace

void sendCommandWord (std::uint32_t word)
{
    wr32 (RAM_CMD + fifoWriteOffset, word);
    advanceWriteOffset (4);
}

void updateFifo()
{
    wr16 (REG_CMD_WRITE, fifoWriteOffset);
}

std::uint16_t fifoFreeSpace()
{
    const auto read = rd16 (REG_CMD_READ);
    return freeBytes (read, rd16 (REG_CMD_WRITE));
}

bool waitFifoSpace (std::uint16_t n)
{
    for (;;)
    {
        // Read the pointers once per poll: a fault shows in REG_CMD_READ alone.
        const auto read = rd16 (REG_CMD_READ);

        if (read == COPROCESSOR_FAULT)
        {
            recoverFromFault();
            return false;
        }

        if (freeBytes (read, rd16 (REG_CMD_WRITE)) >= n)
            return true;
    }
}

bool writeFifoBlock (const std::uint8_t* bytes, std::uint32_t n)
{
    while (n > 0)
    {
        if (! waitFifoSpace (burstBytes))
            return false;

        // The last burst is rounded up to whole words; what follows the data is padding.
        const auto chunk = n > burstBytes ? burstBytes : (n + 3) & ~3u;
        const auto address = RAM_CMD + fifoWriteOffset;

        spiSelect();
        spiWriteByte (static_cast<std::uint8_t> ((address >> 16) | 0x80));
        spiWriteByte (static_cast<std::uint8_t> (address >> 8));
        spiWriteByte (static_cast<std::uint8_t> (address));
        if (chunk <= n)
        {
            spiWriteBytes (bytes, chunk);
        }
        else
        {
            // The caller's buffer ends inside the last word: the padding comes from a copy.
            std::uint8_t padded[burstBytes] {};
            std::memcpy (padded, bytes, n);
            spiWriteBytes (padded, chunk);
        }

        spiDeselect();

        advanceWriteOffset (chunk);
        updateFifo();

        bytes += chunk;
        n = chunk < n ? n - chunk : 0;
    }

    return true;
}

bool waitFifoEmpty()
{
    bool faulted = false;

    for (;;)
    {
        const auto read = rd16 (REG_CMD_READ);

        if (read == COPROCESSOR_FAULT)
        {
            recoverFromFault();
            faulted = true;
        }

        if (read == rd16 (REG_CMD_WRITE))
            return ! faulted;
    }
}

void resetCoprocessor()
{
    const auto patchPointer = rd32 (REG_COPRO_PATCH_PTR);
    wr8 (REG_CPURESET, 1);
    wr16 (REG_CMD_READ, 0);
    wr16 (REG_CMD_WRITE, 0);
    wr16 (REG_CMD_DL, 0);
    wr8 (REG_CPURESET, 0);
    wr32 (REG_COPRO_PATCH_PTR, patchPointer);
}

} // namespace vitrel::eve
