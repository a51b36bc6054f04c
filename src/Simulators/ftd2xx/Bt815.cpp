#include "Bt815.h"

#include <algorithm>

namespace ftd2xxsim
{
namespace
{

constexpr std::uint32_t ramGSize = 1 << 20;
constexpr std::uint32_t chipIdAddress = 0x0C0000;
constexpr std::uint32_t ramDlBase = 0x300000, ramDlSize = 8192;
constexpr std::uint32_t ramRegBase = 0x302000, ramRegSize = 4096;
constexpr std::uint32_t ramCmdBase = 0x308000, ramCmdSize = 4096;
constexpr std::uint32_t coprocessorBase = 0x309000, coprocessorSize = 4096;

constexpr std::uint8_t chipSelectPin = 0x08, powerDownPin = 0x80;

void store32 (std::vector<std::uint8_t>& block, std::uint32_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        block[offset + static_cast<std::uint32_t> (i)] = static_cast<std::uint8_t> (value >> (8 * i));
}

} // namespace

Bt815::Bt815()
{
    powerDown();
}

void Bt815::powerDown()
{
    poweredUp = active = false;
    ramG.assign (ramGSize, 0);
    ramDl.assign (ramDlSize, 0);
    registers.assign (ramRegSize, 0);
    ramCmd.assign (ramCmdSize, 0);
    coprocessorArea.assign (coprocessorSize, 0);

    // Reset values of the registers a host reads before writing them.
    store32 (registers, 0x000, 0x7C);        // REG_ID
    store32 (registers, 0x00C, 60'000'000);  // REG_FREQUENCY
    store32 (registers, 0x09C, 0x8000);      // REG_GPIOX: display enable
    store32 (registers, 0x124, 0x80008000);  // REG_TOUCH_SCREEN_XY: no touch
    store32 (registers, 0x574, 4092);        // REG_CMDB_SPACE: FIFO empty
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
    const auto* cell = const_cast<Bt815*> (this)->locate (a);
    return cell != nullptr ? *cell : 0;
}

void Bt815::boot()
{
    // The boot leaves the chip identification in RAM_G, where the host may overwrite it.
    std::copy (std::begin (chipId), std::end (chipId), ramG.begin() + chipIdAddress);
    active = true;
}

void Bt815::endTransaction()
{
    // Three bytes starting 0x00 while asleep, or 0x40-0x7F at any time, are a host command.
    const bool hostCommand = header.size() >= 3
                          && ((header[0] & 0xC0) == 0x40 || (header[0] == 0x00 && ! active));

    if (! hostCommand)
        return;

    hostCommands.push_back (header[0]);

    if (header[0] == 0x00 && ! active)
        boot();
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
        if (auto* cell = locate (address); cell != nullptr && address != ramRegBase)
            *cell = byte;

        ++address;
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

        return 0x00;
    }

    const auto* cell = locate (address++);
    return cell != nullptr ? *cell : 0x00;
}

std::uint8_t* Bt815::locate (std::uint32_t a) noexcept
{
    a &= 0x3FFFFF;

    if (a < ramGSize) return &ramG[a];
    if (a >= ramDlBase && a < ramDlBase + ramDlSize) return &ramDl[a - ramDlBase];
    if (a >= ramRegBase && a < ramRegBase + ramRegSize) return &registers[a - ramRegBase];
    if (a >= ramCmdBase && a < ramCmdBase + ramCmdSize) return &ramCmd[a - ramCmdBase];
    if (a >= coprocessorBase && a < coprocessorBase + coprocessorSize) return &coprocessorArea[a - coprocessorBase];
    return nullptr;
}

} // namespace ftd2xxsim
