#pragma once

#include "SpiSlave.h"

#include <cstdint>
#include <vector>

namespace ftd2xxsim
{

/**
    A Bridgetek BT815 EVE controller on the SPI pins: chip select on ADBUS3
    (active low), power-down (PD_N) on ADBUS7. After power-down it sleeps until
    the host command ACTIVE; then it serves memory reads and writes on its
    22-bit address space: RAM_G, the chip id word, RAM_DL, the registers
    (REG_ID reads 0x7C), RAM_CMD and the co-processor's private area. The boot
    leaves the chip identification word at 0x0C0000 inside RAM_G.

    The graphics engine, the co-processor and the touch engine are not run:
    registers and memory hold what the host writes.
*/
class Bt815 : public SpiSlave
{
public:
    Bt815();

    void pinsChanged (std::uint8_t levels) override;
    bool clockBit (bool dataOut) override;

    /** Whether ACTIVE has woken the controller since its last power-down. */
    bool isActive() const noexcept               { return active; }

    /** The host commands received since construction, oldest first, for checks of the wake-up sequence. */
    std::vector<std::uint8_t> hostCommands;

    /** Reads one byte of the address space as the host would see it. */
    std::uint8_t peek (std::uint32_t address) const noexcept;

private:
    void powerDown();
    void boot();
    void endTransaction();
    void byteReceived (std::uint8_t byte);
    std::uint8_t* locate (std::uint32_t address) noexcept;
    std::uint8_t nextOutgoingByte();

    std::vector<std::uint8_t> ramG, ramDl, registers, ramCmd, coprocessorArea;
    std::uint8_t chipId[4] { 0x08, 0x15, 0x01, 0x00 };

    bool poweredUp = false, active = false, selected = false;
    std::vector<std::uint8_t> header;
    std::uint32_t address = 0;
    std::uint8_t incoming = 0, outgoing = 0xFF;
    int bitIndex = 0;
};

} // namespace ftd2xxsim
