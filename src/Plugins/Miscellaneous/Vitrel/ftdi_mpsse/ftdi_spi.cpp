#include "ftdi_spi.h"

#include "ChannelRegistry.h"
#include "MpsseEngine.h"
#include "MpsseIo.h"
#include "NullCheck.h"
#include "ftdi_infra.h"

#include <algorithm>
#include <memory>
#include <new>

using namespace vitrel::ftdi;

namespace
{

/** A snapshot of the driver's device list, released when it goes out of scope. */
struct DeviceList
{
    std::unique_ptr<FT_DEVICE_LIST_INFO_NODE[]> nodes;
    std::uint32_t size = 0;
};

FT_STATUS readDeviceList (const D2xxFunctions& d2xx, std::uint32_t listed, DeviceList& list)
{
    list.nodes.reset (new (std::nothrow) FT_DEVICE_LIST_INFO_NODE[listed] {});

    if (list.nodes == nullptr)
        return FT_INSUFFICIENT_RESOURCES;

    std::uint32_t filled = listed;
    const auto status = d2xx.getDeviceInfoList (list.nodes.get(), &filled);
    list.size = std::min (filled, listed);
    return status;
}

/** The position in the whole device list of the index-th capable channel, or -1 when there are fewer. */
int findCapablePosition (const DeviceList& list, std::uint32_t index) noexcept
{
    std::uint32_t seen = 0;

    for (std::uint32_t position = 0; position < list.size; ++position)
        if (isMpsseCapable (list.nodes[position]) && seen++ == index)
            return static_cast<int> (position);

    return -1;
}

/** Reads the device list for a walk to the index-th capable channel; FT_INVALID_HANDLE when fewer devices are attached. */
FT_STATUS listForIndex (const D2xxFunctions& d2xx, std::uint32_t index, DeviceList& list)
{
    std::uint32_t listed = 0;

    if (const auto status = d2xx.createDeviceInfoList (&listed); status != FT_OK)
        return status;

    if (listed <= index)
        return FT_INVALID_HANDLE;

    return readDeviceList (d2xx, listed, list);
}

/** The pin layout with the SPI pins' roles forced: clock and data out are outputs, data in an input, the chip select an output. */
std::uint32_t spiPinLayout (std::uint32_t pinLayout, std::uint32_t options) noexcept
{
    pinLayout &= ~0x04u;
    pinLayout |= 0x03u | chipSelectMask (options);
    return clockIdlesHigh (options) ? (pinLayout | 0x100u) : (pinLayout & ~0x100u);
}

} // namespace

bool vitrel::ftdi::isMpsseCapable (const FT_DEVICE_LIST_INFO_NODE& node) noexcept
{
    const auto port = node.LocId & 0xF;

    switch (node.Type)
    {
        case FT_DEVICE_2232C: return port == 1;
        case FT_DEVICE_2232H:
        case FT_DEVICE_4232H: return port == 1 || port == 2;
        case FT_DEVICE_232H:  return true;
        default:              return false;
    }
}

FT_STATUS SPI_GetNumChannels (std::uint32_t* count)
{
    VITREL_RETURN_IF_NULL (count);
    *count = 0;

    const auto* d2xx = driver();

    if (d2xx == nullptr)
        return FT_OTHER_ERROR;

    std::uint32_t listed = 0;

    if (const auto status = d2xx->createDeviceInfoList (&listed); status != FT_OK)
    {
        *count = listed;
        return status;
    }

    if (listed == 0)
        return FT_OK;

    DeviceList list;
    const auto status = readDeviceList (*d2xx, listed, list);

    if (list.nodes != nullptr)
        *count = static_cast<std::uint32_t> (std::count_if (list.nodes.get(), list.nodes.get() + list.size,
                                                            isMpsseCapable));
    return status;
}

FT_STATUS SPI_GetChannelInfo (std::uint32_t index, FT_DEVICE_LIST_INFO_NODE* info)
{
    VITREL_RETURN_IF_NULL (info);

    const auto* d2xx = driver();

    if (d2xx == nullptr)
        return FT_OTHER_ERROR;

    DeviceList list;

    if (const auto status = listForIndex (*d2xx, index, list); status != FT_OK)
        return status;

    if (const int position = findCapablePosition (list, index); position >= 0)
        *info = list.nodes[static_cast<std::uint32_t> (position)];

    return FT_OK;
}

FT_STATUS SPI_OpenChannel (std::uint32_t index, FT_HANDLE* handle)
{
    VITREL_RETURN_IF_NULL (handle);

    const auto* d2xx = driver();

    if (d2xx == nullptr)
        return FT_OTHER_ERROR;

    DeviceList list;

    if (const auto status = listForIndex (*d2xx, index, list); status != FT_OK)
        return status;

    // An index past the capable channels opens nothing and registers nothing.
    const int position = findCapablePosition (list, index);

    if (position < 0)
        return FT_OK;

    if (const auto status = d2xx->open (position, handle); status != FT_OK)
        return status;

    return registerChannel (*handle);
}

FT_STATUS SPI_InitChannel (FT_HANDLE handle, SpiChannelSettings* settings)
{
    VITREL_RETURN_IF_NULL (settings);
    VITREL_RETURN_IF_NULL (handle);

    const auto* d2xx = driver();

    if (d2xx == nullptr)
        return FT_OTHER_ERROR;

    settings->pinLayout = spiPinLayout (settings->pinLayout, settings->options);
    settings->pinState = static_cast<std::uint16_t> (settings->pinLayout & 0xFFFF);

    if (const auto status = initMpsseEngine (*d2xx, handle, settings->clockHz, settings->latencyMs); status != FT_OK)
        return status;

    // The chip select keeps the level the caller's layout gives it.
    const auto levels = static_cast<std::uint8_t> (settings->pinState >> 8);
    const auto directions = static_cast<std::uint8_t> (settings->pinState & 0xFF);

    if (const auto status = writeLowByte (*d2xx, handle, levels, directions); status != FT_OK)
        return status;

    auto* record = findChannel (handle);

    if (record == nullptr)
        return FT_OTHER_ERROR;

    record->settings = *settings;
    return FT_OK;
}

FT_STATUS SPI_CloseChannel (FT_HANDLE handle)
{
    VITREL_RETURN_IF_NULL (handle);

    const auto* d2xx = driver();
    const auto* record = findChannel (handle);

    if (d2xx == nullptr || record == nullptr)
        return FT_OTHER_ERROR;

    const auto layout = record->settings.pinLayout;

    // The device is closed and forgotten even when the closing pin levels could
    // not be written: a caller that drops the handle could never close it later.
    const auto pinStatus = writeLowByte (*d2xx, handle, static_cast<std::uint8_t> (layout >> 24),
                                         static_cast<std::uint8_t> (layout >> 16));
    const auto closeStatus = d2xx->close (handle);
    unregisterChannel (handle);
    return pinStatus != FT_OK ? pinStatus : closeStatus;
}

FT_STATUS SPI_ChangeCS (FT_HANDLE handle, std::uint32_t options)
{
    VITREL_RETURN_IF_NULL (handle);

    const auto* d2xx = driver();
    auto* record = findChannel (handle);

    if (d2xx == nullptr || record == nullptr)
        return FT_OTHER_ERROR;

    auto& settings = record->settings;
    settings.options = options;

    // The previous line stays an output: only the new line's direction bit is added.
    auto pinState = static_cast<std::uint32_t> (settings.pinState | chipSelectMask (options));
    pinState = clockIdlesHigh (options) ? (pinState | 0x100u) : (pinState & ~0x100u);
    settings.pinState = static_cast<std::uint16_t> (pinState);

    return writeLowByte (*d2xx, handle, static_cast<std::uint8_t> (pinState >> 8),
                         static_cast<std::uint8_t> (pinState & 0xFF));
}
