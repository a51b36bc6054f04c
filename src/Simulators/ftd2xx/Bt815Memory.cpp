#include "Bt815Memory.h"

namespace ftd2xxsim
{

using namespace bt815;

Bt815Memory::Bt815Memory()
{
    reset();
}

void Bt815Memory::reset()
{
    // RAM_G holds zeros after power-up, so nothing may take non-zero content there as a sign of life.
    ramG.assign (RAM_G_SIZE, 0);
    ramDl.assign (RAM_DL_SIZE, 0);
    registers.assign (RAM_REG_SIZE, 0);
    ramCmd.assign (RAM_CMD_SIZE, 0);
    coprocessorArea.assign (RAM_COPRO_SIZE, 0);
    touchMemory.assign (RAM_TOUCH_SIZE, 0);

    // Reset values of the registers a host reads before writing them.
    write32 (REG_ID, 0x7C);
    write32 (REG_FREQUENCY, 60'000'000);
    write32 (REG_GPIOX, 0x8000);               // display enable
    write32 (REG_TOUCH_SCREEN_XY, 0x80008000); // no touch
    write32 (REG_TOUCH_TAG_XY, 0x80008000);
    write32 (REG_CMDB_SPACE, 4092);            // FIFO empty
}

std::uint8_t* Bt815Memory::locate (std::uint32_t a) noexcept
{
    a &= 0x3FFFFF;

    const auto within = [a] (std::uint32_t base, std::uint32_t size) { return a >= base && a < base + size; };

    if (a < RAM_G_SIZE) return &ramG[a];
    if (within (RAM_DL, RAM_DL_SIZE)) return &ramDl[a - RAM_DL];
    if (within (RAM_REG, RAM_REG_SIZE)) return &registers[a - RAM_REG];
    if (within (RAM_CMD, RAM_CMD_SIZE)) return &ramCmd[a - RAM_CMD];
    if (within (RAM_COPRO, RAM_COPRO_SIZE)) return &coprocessorArea[a - RAM_COPRO];
    if (within (RAM_TOUCH, RAM_TOUCH_SIZE)) return &touchMemory[a - RAM_TOUCH];
    return nullptr;
}

std::uint8_t Bt815Memory::read8 (std::uint32_t address) const noexcept
{
    const auto* cell = const_cast<Bt815Memory*> (this)->locate (address);
    return cell != nullptr ? *cell : 0;
}

std::uint32_t Bt815Memory::read32 (std::uint32_t address) const noexcept
{
    std::uint32_t value = 0;

    for (int i = 3; i >= 0; --i)
        value = (value << 8) | read8 (address + static_cast<std::uint32_t> (i));

    return value;
}

void Bt815Memory::write8 (std::uint32_t address, std::uint8_t value) noexcept
{
    if (auto* cell = locate (address))
        *cell = value;
}

void Bt815Memory::write32 (std::uint32_t address, std::uint32_t value) noexcept
{
    for (int i = 0; i < 4; ++i)
        write8 (address + static_cast<std::uint32_t> (i), static_cast<std::uint8_t> (value >> (8 * i)));
}

} // namespace ftd2xxsim
