#include "EveTransport.h"

#include "EveRegisters.h"
#include "ftdi_mpsse/SpiBridge.h"

#include <chrono>
#include <thread>

namespace vitrel::eve
{
namespace
{

constexpr std::uint8_t writeFlag = 0x80;

void sendWriteHeader (std::uint32_t address)
{
    spiWriteByte (static_cast<std::uint8_t> ((address >> 16) | writeFlag));
    spiWriteByte (static_cast<std::uint8_t> (address >> 8));
    spiWriteByte (static_cast<std::uint8_t> (address));
}

void sendReadHeader (std::uint32_t address)
{
    spiWriteByte (static_cast<std::uint8_t> ((address >> 16) & 0x3F));
    spiWriteByte (static_cast<std::uint8_t> (address >> 8));
    spiWriteByte (static_cast<std::uint8_t> (address));
}

std::uint32_t littleEndian (const std::uint8_t* bytes, int n)
{
    std::uint32_t value = 0;

    for (int i = n - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];

    return value;
}

} // namespace

void hostCommand (std::uint8_t cmd)
{
    spiSelect();
    spiWriteByte (cmd);
    spiWriteByte (0x00);
    spiWriteByte (0x00);
    spiDeselect();
}

void wr8 (std::uint32_t address, std::uint8_t value)
{
    spiSelect();
    sendWriteHeader (address);
    spiWriteByte (value);
    spiDeselect();
}

void wr16 (std::uint32_t address, std::uint16_t value)
{
    spiSelect();
    sendWriteHeader (address);
    spiWriteByte (static_cast<std::uint8_t> (value));
    spiWriteByte (static_cast<std::uint8_t> (value >> 8));
    spiDeselect();
}

void wr32 (std::uint32_t address, std::uint32_t value)
{
    const std::uint8_t frame[7] = {
        static_cast<std::uint8_t> ((address >> 16) | writeFlag), static_cast<std::uint8_t> (address >> 8),
        static_cast<std::uint8_t> (address), static_cast<std::uint8_t> (value),
        static_cast<std::uint8_t> (value >> 8), static_cast<std::uint8_t> (value >> 16),
        static_cast<std::uint8_t> (value >> 24)
    };

    spiSelect();
    spiWriteBytes (frame, sizeof (frame));
    spiDeselect();
}

std::uint8_t rd8 (std::uint32_t address)
{
    std::uint8_t value[1] {};
    spiSelect();
    sendReadHeader (address);
    spiReadBytes (value, 1);
    spiDeselect();
    return value[0];
}

std::uint16_t rd16 (std::uint32_t address)
{
    std::uint8_t value[2] {};
    spiSelect();
    sendReadHeader (address);
    spiReadBytes (value, 2);
    spiDeselect();
    return static_cast<std::uint16_t> (littleEndian (value, 2));
}

std::uint32_t rd32 (std::uint32_t address)
{
    const std::uint8_t header[3] = { static_cast<std::uint8_t> ((address >> 16) & 0x3F),
                                     static_cast<std::uint8_t> (address >> 8), static_cast<std::uint8_t> (address) };
    std::uint8_t value[4] {};
    spiSelect();
    spiWriteBytes (header, sizeof (header));
    spiReadBytes (value, 4);
    spiDeselect();
    return littleEndian (value, 4);
}

bool isControllerPresent()
{
    return rd8 (REG_ID) == CONTROLLER_ID;
}

void sleepMilliseconds (int ms)
{
    std::this_thread::sleep_for (std::chrono::milliseconds (ms));
}

} // namespace vitrel::eve
