#pragma once

#include <cstdint>

/** How SPI_InitChannel configures a channel as SPI master, and the pin state the layer keeps for it. */
struct SpiChannelSettings
{
    std::uint32_t clockHz;    ///< SPI clock, at most 30 MHz
    std::uint8_t latencyMs;   ///< the driver's latency timer
    std::uint32_t options;    ///< bits 0-1 SPI mode, bits 2-4 chip-select line (ADBUS3 + n), bit 5 active low
    std::uint32_t pinLayout;  ///< directions and levels of ADBUS0-7: initial (bytes 0, 1) and at close (bytes 2, 3)
    std::uint16_t pinState;   ///< current directions (low byte) and levels (high byte); kept by the layer
};

/** Transfer options of SPI_Read, SPI_Write and SPI_ReadWrite. */
enum SpiTransferOption : std::uint32_t
{
    SPI_TRANSFER_OPTIONS_SIZE_IN_BITS = 0x1,
    SPI_TRANSFER_OPTIONS_CHIPSELECT_ENABLE = 0x2,
    SPI_TRANSFER_OPTIONS_CHIPSELECT_DISABLE = 0x4
};

/** Bits of SpiChannelSettings::options. */
enum SpiConfigOption : std::uint32_t
{
    SPI_CONFIG_OPTION_MODE_MASK = 0x3,
    SPI_CONFIG_OPTION_CS_SHIFT = 2,
    SPI_CONFIG_OPTION_CS_MASK = 0x1C,
    SPI_CONFIG_OPTION_CS_ACTIVELOW = 0x20
};

namespace vitrel::ftdi
{

/** The SPI mode 0-3 held in options. */
constexpr std::uint32_t spiMode (std::uint32_t options) noexcept
{
    return options & SPI_CONFIG_OPTION_MODE_MASK;
}

/** The ADBUS bit of the chip-select line in options: ADBUS3 for line 0 up to ADBUS7 for line 4 (lines 5-7 reach no pin). */
constexpr std::uint8_t chipSelectMask (std::uint32_t options) noexcept
{
    return static_cast<std::uint8_t> ((0x08u << ((options & SPI_CONFIG_OPTION_CS_MASK) >> SPI_CONFIG_OPTION_CS_SHIFT)) & 0xFFu);
}

/** Modes 2 and 3 idle the clock high, so ADBUS0's level bit (bit 8 of the pin state) is set for them. */
constexpr bool clockIdlesHigh (std::uint32_t options) noexcept
{
    return spiMode (options) >= 2;
}

} // namespace vitrel::ftdi
