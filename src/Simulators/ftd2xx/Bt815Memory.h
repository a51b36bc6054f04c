#pragma once

#include <cstdint>
#include <vector>

namespace ftd2xxsim
{

/** Addresses of the BT815's memory map and registers, under the maker's names. */
namespace bt815
{
constexpr std::uint32_t RAM_G = 0x000000, RAM_G_SIZE = 1u << 20;
constexpr std::uint32_t ROM_CHIPID = 0x0C0000;
constexpr std::uint32_t RAM_DL = 0x300000, RAM_DL_SIZE = 8192;
constexpr std::uint32_t RAM_REG = 0x302000, RAM_REG_SIZE = 4096;
constexpr std::uint32_t RAM_CMD = 0x308000, RAM_CMD_SIZE = 4096;
constexpr std::uint32_t RAM_COPRO = 0x309000, RAM_COPRO_SIZE = 4096;
constexpr std::uint32_t REG_COPRO_PATCH_PTR = 0x309162;
constexpr std::uint32_t RAM_ERR_REPORT = 0x309800, RAM_ERR_REPORT_SIZE = 128;
constexpr std::uint32_t RAM_TOUCH = 0x30B000, RAM_TOUCH_SIZE = 4096;

constexpr std::uint32_t REG_ID = 0x302000;
constexpr std::uint32_t REG_FREQUENCY = 0x30200C;
constexpr std::uint32_t REG_CPURESET = 0x302020;
constexpr std::uint32_t REG_HSIZE = 0x302034;
constexpr std::uint32_t REG_VSIZE = 0x302048;
constexpr std::uint32_t REG_DLSWAP = 0x302054;
constexpr std::uint32_t REG_GPIOX = 0x30209C;
constexpr std::uint32_t REG_CMD_READ = 0x3020F8;
constexpr std::uint32_t REG_CMD_WRITE = 0x3020FC;
constexpr std::uint32_t REG_CMD_DL = 0x302100;
constexpr std::uint32_t REG_TOUCH_SCREEN_XY = 0x302124;
constexpr std::uint32_t REG_TOUCH_TAG_XY = 0x302128;
constexpr std::uint32_t REG_TOUCH_TAG = 0x30212C;
constexpr std::uint32_t REG_CMDB_SPACE = 0x302574;
} // namespace bt815

/**
    The BT815's 22-bit address space: RAM_G, RAM_DL, the registers, RAM_CMD,
    the co-processor's private area (patch pointer, fault report) and the
    touch engine's program memory. Addresses outside them read 0 and ignore
    writes.
*/
class Bt815Memory
{
public:
    /** Memory as power-up leaves it (see reset). */
    Bt815Memory();

    /** Power-up contents: everything 0, the registers their reset values. */
    void reset();

    /** The byte cell of address, or null outside the map. */
    std::uint8_t* locate (std::uint32_t address) noexcept;

    /** Reads one byte; 0 outside the map. */
    std::uint8_t read8 (std::uint32_t address) const noexcept;

    /** Reads a little-endian 32-bit value. */
    std::uint32_t read32 (std::uint32_t address) const noexcept;

    /** Writes one byte; nothing outside the map. */
    void write8 (std::uint32_t address, std::uint8_t value) noexcept;

    /** Writes a little-endian 32-bit value. */
    void write32 (std::uint32_t address, std::uint32_t value) noexcept;

private:
    std::vector<std::uint8_t> ramG, ramDl, registers, ramCmd, coprocessorArea, touchMemory;
};

} // namespace ftd2xxsim
