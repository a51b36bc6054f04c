#include "SpiBridge.h"

#include "MpsseIo.h"
#include "ftdi_infra.h"
#include "ftdi_spi.h"

#include <cstdio>
#include <cstdlib>

namespace vitrel
{

FT_HANDLE bridgeHandle = nullptr;

namespace
{

/** The channel index SPICHANNEL names; text that is not a number selects channel 0, as atoi reads it. */
std::uint32_t requestedChannel() noexcept
{
    const char* value = std::getenv ("SPICHANNEL");
    // A negative index becomes a huge unsigned one, which no device list reaches.
    return value != nullptr ? static_cast<std::uint32_t> (std::atoi (value)) : 0u;
}

/** Holds ADBUS7, the controller's power-down line, low for 20 ms with the chip select released. */
void pulsePowerDown()
{
    FT_WriteGPIO (bridgeHandle, 0xBB, 0x08);
    ftdi::sleepMilliseconds (20);
    FT_WriteGPIO (bridgeHandle, 0xBB, 0x88);
    ftdi::sleepMilliseconds (20);
}

} // namespace

bool openSpiBridge()
{
    Init_libMPSSE();
    closeSpiBridge();

    // Without the driver no channel is asked for: each call would try to load
    // it again and print the failure once more for the same attempt.
    std::uint32_t count = 0;

    if (ftdi::isDriverLoaded())
        SPI_GetNumChannels (&count);

    std::printf ("channels found : %d\n", static_cast<int> (count));

    const auto index = requestedChannel();

    if (count <= index)
    {
        std::printf ("USB->SPI Bridge not found.");
        return false;
    }

    FT_DEVICE_LIST_INFO_NODE node {};
    SPI_GetChannelInfo (index, &node);

    SpiChannelSettings settings {};
    settings.clockHz = 1'000'000;
    settings.latencyMs = 2;
    settings.options = SPI_CONFIG_OPTION_CS_ACTIVELOW;
    settings.pinLayout = 0;

    SPI_OpenChannel (index, &bridgeHandle);

    if (SPI_InitChannel (bridgeHandle, &settings) != FT_OK)
    {
        std::printf ("Unable to open USB->SPI Bridge\n");
        return false;
    }

    std::printf ("USB->SPI Bridge opened\n");
    pulsePowerDown();
    return true;
}

void closeSpiBridge()
{
    if (bridgeHandle == nullptr)
        return;

    SPI_CloseChannel (bridgeHandle);
    bridgeHandle = nullptr;
}

void spiSelect()
{
    SPI_ToggleCS (bridgeHandle, true);
}

void spiDeselect()
{
    SPI_ToggleCS (bridgeHandle, false);
}

void spiWriteByte (std::uint8_t byte)
{
    std::uint32_t transferred = 0;
    SPI_Write (bridgeHandle, &byte, 1, &transferred, 0);
}

void spiWriteBytes (const std::uint8_t* bytes, std::uint32_t n)
{
    std::uint32_t transferred = 0;
    SPI_Write (bridgeHandle, const_cast<std::uint8_t*> (bytes), n, &transferred, 0);
}

void spiReadBytes (std::uint8_t* bytes, std::uint32_t n)
{
    std::uint32_t transferred = 0;
    spiWriteByte (0x00);
    SPI_Read (bridgeHandle, bytes, n, &transferred, 0);
}

} // namespace vitrel
