#include "Bt815.h"

#include "Environment.h"
#include "PngCodec.h"

#include <algorithm>
#include <cstdio>

namespace ftd2xxsim
{

using namespace bt815;

namespace
{

constexpr std::uint8_t chipSelectPin = 0x08, powerDownPin = 0x80;

bool touches (std::uint32_t first, std::uint32_t last, std::uint32_t reg) noexcept
{
    return first <= reg + 3 && last >= reg;
}

void writeFile (const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    if (auto* file = std::fopen (path.c_str(), "wb"))
    {
        std::fwrite (bytes.data(), 1, bytes.size(), file);
        std::fclose (file);
    }
}

} // namespace

Bt815::Bt815 (FTSimStatistics* statistics) : stats (statistics), coprocessor (memory, [this] { swapDisplayList(); })
{
    powerDown();
}

void Bt815::powerDown()
{
    poweredUp = active = false;
    touching = false;
    frontPanel.powerDown();
    hostCommands.clear();
    memory.reset();
    coprocessor.reset();
}

void Bt815::pinsChanged (std::uint8_t levels)
{
    if ((levels & powerDownPin) == 0)
    {
        if (poweredUp || active)
            powerDown();
    }
    else
    {
        poweredUp = true;
    }

    const bool nowSelected = poweredUp && (levels & chipSelectPin) == 0;

    if (selected && ! nowSelected)
        endTransaction();

    if (nowSelected && ! selected)
    {
        header.clear();
        bitIndex = 0;
        outgoing = 0xFF;
        wroteData = false;
        answeringZeros = false;
    }

    selected = nowSelected;
}

bool Bt815::clockBit (bool dataOut)
{
    if (! selected)
        return true;

    if (bitIndex == 0)
        outgoing = nextOutgoingByte();

    const bool reply = ((outgoing >> (7 - bitIndex)) & 1) != 0;
    incoming = static_cast<std::uint8_t> ((incoming << 1) | (dataOut ? 1 : 0));

    if (++bitIndex == 8)
    {
        bitIndex = 0;
        byteReceived (incoming);
    }

    return reply;
}

std::uint8_t Bt815::peek (std::uint32_t a) const noexcept
{
    return memory.read8 (a);
}

void Bt815::injectCoprocessorFault (const std::string& text)
{
    coprocessor.injectFault (text);
}

void Bt815::touch (int x, int y)
{
    touching = x >= 0;
    touchX = x;
    touchY = y;

    if (x < 0)
    {
        memory.write32 (REG_TOUCH_SCREEN_XY, 0x80008000);
        memory.write32 (REG_TOUCH_TAG_XY, 0x80008000);
        memory.write32 (REG_TOUCH_TAG, 0);
        return;
    }

    const auto xy = (static_cast<std::uint32_t> (x & 0xFFFF) << 16) | static_cast<std::uint32_t> (y & 0xFFFF);
    memory.write32 (REG_TOUCH_SCREEN_XY, xy);
    memory.write32 (REG_TOUCH_TAG_XY, xy);
    memory.write32 (REG_TOUCH_TAG, frame.tagAt (x, y));
}

void Bt815::boot()
{
    // The boot leaves the chip identification in RAM_G, where the host may overwrite it.
    for (std::uint32_t i = 0; i < 4; ++i)
        memory.write8 (ROM_CHIPID + i, chipId[i]);

    active = true;
    bootReadsLeft = bootReads;
    engineStartReadsLeft = engineStartReads;
    enginesStarting = engineStartReads > 0;

    if (enginesStarting)
        memory.write8 (REG_CPURESET, 7);
}

void Bt815::engineResetRead()
{
    if (! enginesStarting)
        return;

    // The read that finds the count spent sees the engines out of reset.
    if (engineStartReadsLeft-- > 0)
        return;

    memory.write8 (REG_CPURESET, 0);
    enginesStarting = false;
}

void Bt815::pollFrontPanel()
{
    PanelTouch panelTouch;

    if (frontPanel.poll (panelTouch) == TouchRead::touch)
        touch (panelTouch.pressed ? panelTouch.x : -1, panelTouch.y);
}

void Bt815::endTransaction()
{
    if (wroteData)
        afterHostWrite (firstWritten, lastWritten);

    // Three bytes starting 0x00 while asleep, or 0x40-0x7F at any time, are a host command.
    const bool hostCommand = header.size() >= 3
                          && ((header[0] & 0xC0) == 0x40 || (header[0] == 0x00 && ! active));

    if (! hostCommand)
        return;

    hostCommands.push_back (header[0]);

    if (header[0] == 0x00 && ! active)
        boot();
}

void Bt815::afterHostWrite (std::uint32_t first, std::uint32_t last)
{
    if (touches (first, last, REG_CPURESET))
    {
        // Bit 0 holds the co-processor in reset; releasing it lets it run on.
        if ((memory.read8 (REG_CPURESET) & 1) != 0)
            coprocessor.reset();
        else
            coprocessor.run();
    }

    if (touches (first, last, REG_CMD_WRITE))
        coprocessor.run();

    if (touches (first, last, REG_DLSWAP) && memory.read8 (REG_DLSWAP) != 0)
        swapDisplayList();
}

void Bt815::swapDisplayList()
{
    const int width = static_cast<int> (memory.read32 (REG_HSIZE) & 0xFFF);
    const int height = static_cast<int> (memory.read32 (REG_VSIZE) & 0xFFF);
    frame = renderDisplayList (memory, width > 0 ? width : 480, height > 0 ? height : 272);
    memory.write32 (REG_DLSWAP, 0);
    frontPanel.publish (frame.image);

    // A finger held down reports the tag that the new list drew under it.
    if (touching)
        touch (touchX, touchY);

    const auto path = readEnvironment ("FTD2XX_SIM_FRAME_PNG");

    if (! path.empty())
        writeFile (path, encodePng (frame.image));
}

void Bt815::byteReceived (std::uint8_t byte)
{
    if (header.size() < 3)
    {
        header.push_back (byte);

        if (header.size() == 3)
            address = (static_cast<std::uint32_t> (header[0] & 0x3F) << 16) | (header[1] << 8) | header[2];

        return;
    }

    // Data of a memory write; the address auto-increments.
    if (active && (header[0] & 0xC0) == 0x80)
    {
        // REG_ID is read-only.
        if (address != REG_ID)
            memory.write8 (address, byte);

        if (! wroteData)
            firstWritten = address;

        if (stats != nullptr)
            ++stats->controllerDataBytes;

        wroteData = true;
        lastWritten = address;

        // Continuous writes into the command FIFO wrap from its last byte back to its first.
        address = address == RAM_CMD + RAM_CMD_SIZE - 1 ? RAM_CMD : address + 1;
    }
}

std::uint8_t Bt815::nextOutgoingByte()
{
    // A read sends the three address bytes and a dummy byte, then data from the address on.
    const bool reading = active && header.size() >= 3 && (header[0] & 0xC0) == 0x00;

    if (! reading)
        return 0xFF;

    if (header.size() == 3)
    {
        header.push_back (0); // the dummy byte's slot: from here on every byte is data

        if (address == REG_CPURESET)
            engineResetRead();

        if (address >= REG_TOUCH_SCREEN_XY && address <= REG_TOUCH_TAG + 3)
            pollFrontPanel();

        // While the boot is still running, reads answer nothing but zeros.
        if (bootReadsLeft > 0)
        {
            --bootReadsLeft;
            answeringZeros = true;
        }

        return 0x00;
    }

    if (stats != nullptr)
        ++stats->controllerDataBytes;

    const auto value = memory.read8 (address++);
    return answeringZeros ? 0x00 : value;
}

} // namespace ftd2xxsim
