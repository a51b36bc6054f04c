#include "RecordingSpiBus.h"

#include "EVE/EveRegisters.h"
#include "ftdi_mpsse/SpiBridge.h"

#include <cstdio>

namespace vitrel::test
{
namespace
{

std::string hexBytes (const char* prefix, const std::uint8_t* bytes, std::uint32_t n)
{
    std::string text = prefix;

    for (std::uint32_t i = 0; i < n; ++i)
    {
        char pair[4];
        std::snprintf (pair, sizeof (pair), " %02X", bytes[i]);
        text += pair;
    }

    return text;
}

} // namespace

RecordingSpiBus& RecordingSpiBus::instance()
{
    static RecordingSpiBus bus;
    return bus;
}

void RecordingSpiBus::reset()
{
    calls.clear();
    writes.clear();
    memory.clear();
    afterWrite = nullptr;
    beforeRead = nullptr;
    window.clear();
}

void RecordingSpiBus::poke (std::uint32_t address, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        memory[address + static_cast<std::uint32_t> (i)] = static_cast<std::uint8_t> (value >> (8 * i));
}

std::uint32_t RecordingSpiBus::peek (std::uint32_t address, int size) const
{
    std::uint32_t value = 0;

    for (int i = size - 1; i >= 0; --i)
    {
        const auto cell = memory.find (address + static_cast<std::uint32_t> (i));
        value = (value << 8) | (cell != memory.end() ? cell->second : 0u);
    }

    return value;
}

std::vector<std::uint32_t> RecordingSpiBus::writesOf (std::uint32_t address) const
{
    std::vector<std::uint32_t> values;

    for (const auto& [a, data] : writes)
        if (a == address && data.size() >= 2)
            values.push_back (static_cast<std::uint32_t> (data[0] | (data[1] << 8)));

    return values;
}

void RecordingSpiBus::select()
{
    calls.push_back ("select");
    window.clear();
}

void RecordingSpiBus::deselect()
{
    calls.push_back ("deselect");

    if (window.size() <= 3 || (window[0] & 0xC0) != 0x80)
        return;

    const auto address = (static_cast<std::uint32_t> (window[0] & 0x3F) << 16) | (window[1] << 8) | window[2];
    const std::vector<std::uint8_t> data (window.begin() + 3, window.end());

    for (std::size_t i = 0; i < data.size(); ++i)
        memory[address + static_cast<std::uint32_t> (i)] = data[i];

    writes.emplace_back (address, data);

    if (afterWrite)
        afterWrite (address, data);
}

void RecordingSpiBus::writeBytes (const std::uint8_t* bytes, std::uint32_t n, bool single)
{
    calls.push_back (hexBytes (single ? "byte" : "bytes", bytes, n));
    window.insert (window.end(), bytes, bytes + n);
}

void RecordingSpiBus::readBytes (std::uint8_t* bytes, std::uint32_t n)
{
    calls.push_back ("read " + std::to_string (n));
    const auto address = (static_cast<std::uint32_t> (window[0] & 0x3F) << 16) | (window[1] << 8) | window[2];

    if (beforeRead)
        beforeRead (address);

    for (std::uint32_t i = 0; i < n; ++i)
        bytes[i] = static_cast<std::uint8_t> (peek (address + i, 1));
}

void consumeInstantly (RecordingSpiBus& bus)
{
    bus.afterWrite = [&bus] (std::uint32_t address, const std::vector<std::uint8_t>&)
    {
        if (address == eve::REG_CMD_WRITE)
            bus.poke (eve::REG_CMD_READ, bus.peek (eve::REG_CMD_WRITE, 2), 2);
    };
}

} // namespace vitrel::test

// The bridge primitives the display layer links against in these tests.
namespace vitrel
{

FT_HANDLE bridgeHandle = nullptr;

bool openSpiBridge()                     { return true; }
void closeSpiBridge()                    {}
void spiSelect()                         { test::RecordingSpiBus::instance().select(); }
void spiDeselect()                       { test::RecordingSpiBus::instance().deselect(); }

void spiWriteByte (std::uint8_t byte)
{
    test::RecordingSpiBus::instance().writeBytes (&byte, 1, true);
}

void spiWriteBytes (const std::uint8_t* bytes, std::uint32_t n)
{
    test::RecordingSpiBus::instance().writeBytes (bytes, n, false);
}

void spiReadBytes (std::uint8_t* bytes, std::uint32_t n)
{
    spiWriteByte (0x00);
    test::RecordingSpiBus::instance().readBytes (bytes, n);
}

} // namespace vitrel
