#include "ftdi_spi.h"

#include "ChannelRegistry.h"
#include "MpsseIo.h"
#include "ftdi_infra.h"

using namespace vitrel::ftdi;

namespace
{

/** Sends 0x81 0x87 and reads the one byte of ADBUS0-7 levels it brings back. */
FT_STATUS sampleLowByte (const D2xxFunctions& d2xx, FT_HANDLE handle, std::uint8_t& levels, std::uint32_t& received)
{
    received = 0;

    if (const auto status = writeCommand (d2xx, handle, { MPSSE_GET_LOW_BYTE, MPSSE_SEND_IMMEDIATE }); status != FT_OK)
        return status;

    return d2xx.read (handle, &levels, 1, &received);
}

} // namespace

FT_STATUS SPI_ToggleCS (FT_HANDLE handle, bool enable)
{
    const auto* d2xx = driver();
    auto* record = findChannel (handle);

    if (d2xx == nullptr || record == nullptr)
        return FT_OTHER_ERROR;

    auto& settings = record->settings;
    const auto mask = chipSelectMask (settings.options);
    const bool activeLow = (settings.options & SPI_CONFIG_OPTION_CS_ACTIVELOW) != 0;
    const bool driveLow = enable == activeLow;

    auto levels = static_cast<std::uint8_t> (settings.pinState >> 8);
    auto directions = static_cast<std::uint8_t> ((settings.pinState & 0xFF) | mask);
    levels = driveLow ? static_cast<std::uint8_t> (levels & ~mask) : static_cast<std::uint8_t> (levels | mask);
    settings.pinState = static_cast<std::uint16_t> ((levels << 8) | directions);

    return writeLowByte (*d2xx, handle, levels, directions);
}

FT_STATUS SPI_IsBusy (FT_HANDLE handle, bool* busy)
{
    const auto* d2xx = driver();

    if (d2xx == nullptr)
        return FT_OTHER_ERROR;

    // The chip-select changes are best effort: the sampled levels are the answer.
    SPI_ToggleCS (handle, true);

    std::uint8_t levels = 0;
    std::uint32_t received = 0;
    const auto status = sampleLowByte (*d2xx, handle, levels, received);

    if (busy != nullptr)
        *busy = levels != 0;

    SPI_ToggleCS (handle, false);
    return status;
}

FT_STATUS FT_WriteGPIO (FT_HANDLE handle, std::uint8_t directions, std::uint8_t levels)
{
    const auto* d2xx = driver();
    return d2xx != nullptr ? writeLowByte (*d2xx, handle, levels, directions) : FT_OTHER_ERROR;
}

FT_STATUS FT_ReadGPIO (FT_HANDLE handle, std::uint8_t* levels)
{
    const auto* d2xx = driver();

    if (d2xx == nullptr)
        return FT_OTHER_ERROR;

    std::uint8_t sampled = 0;
    std::uint32_t received = 0;
    const auto status = sampleLowByte (*d2xx, handle, sampled, received);

    if (status != FT_OK)
        return status;

    if (received != 1)
        return FT_IO_ERROR;

    if (levels != nullptr)
        *levels = sampled;

    return FT_OK;
}
