#include "D2xxApi.h"
#include "SimulatedBus.h"

#include <algorithm>
#include <cstring>

using namespace ftd2xxsim;

namespace
{

/** Runs action on the channel of an open handle under the bus lock; FT_INVALID_HANDLE for anything else. */
template <typename Action>
FT_STATUS withChannel (FT_HANDLE handle, Action action)
{
    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    auto* channel = bus.find (handle);
    return channel != nullptr ? action (*channel) : FT_INVALID_HANDLE;
}

/** A transfer size the driver accepts: a multiple of 64 from 64 to 65536. */
bool isTransferSize (std::uint32_t size) noexcept
{
    return size >= 64 && size <= 65536 && size % 64 == 0;
}

} // namespace

FT_STATUS FTSIM_CALL FT_GetLibraryVersion (std::uint32_t* version)
{
    if (version == nullptr)
        return FT_INVALID_PARAMETER;

    *version = 0x00010000;
    return FT_OK;
}

FT_STATUS FTSIM_CALL FT_CreateDeviceInfoList (std::uint32_t* count)
{
    if (count == nullptr)
        return FT_INVALID_PARAMETER;

    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    bus.rescan();
    *count = static_cast<std::uint32_t> (bus.channels().size());
    return FT_OK;
}

FT_STATUS FTSIM_CALL FT_GetDeviceInfoList (FT_DEVICE_LIST_INFO_NODE* nodes, std::uint32_t* count)
{
    if (nodes == nullptr || count == nullptr)
        return FT_INVALID_PARAMETER;

    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    const auto& channels = bus.channels();

    // The caller's array holds as many nodes as the last count said.
    const auto n = std::min<std::size_t> (*count, channels.size());

    for (std::size_t i = 0; i < n; ++i)
        nodes[i] = channels[i]->node();

    *count = static_cast<std::uint32_t> (n);
    return FT_OK;
}

FT_STATUS FTSIM_CALL FT_Open (int index, FT_HANDLE* handle)
{
    if (handle == nullptr)
        return FT_INVALID_PARAMETER;

    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    auto* channel = bus.open (index);

    if (channel == nullptr)
        return index >= 0 && static_cast<std::size_t> (index) < bus.channels().size() ? FT_DEVICE_NOT_OPENED : FT_DEVICE_NOT_FOUND;

    *handle = channel;
    return FT_OK;
}

FT_STATUS FTSIM_CALL FT_Close (FT_HANDLE handle)
{
    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    return bus.close (handle) ? FT_OK : FT_INVALID_HANDLE;
}

FT_STATUS FTSIM_CALL FT_ResetDevice (FT_HANDLE handle)
{
    return withChannel (handle, [] (SimulatedChannel& c) { c.resetDevice(); return FT_OK; });
}

FT_STATUS FTSIM_CALL FT_Purge (FT_HANDLE handle, std::uint32_t mask)
{
    return withChannel (handle, [mask] (SimulatedChannel& c) { c.purge (mask); return FT_OK; });
}

FT_STATUS FTSIM_CALL FT_SetUSBParameters (FT_HANDLE handle, std::uint32_t in, std::uint32_t out)
{
    return withChannel (handle, [=] (SimulatedChannel&)
    {
        return isTransferSize (in) && (out == 0 || isTransferSize (out)) ? FT_OK : FT_INVALID_PARAMETER;
    });
}

FT_STATUS FTSIM_CALL FT_SetChars (FT_HANDLE handle, std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t)
{
    return withChannel (handle, [] (SimulatedChannel&) { return FT_OK; });
}

FT_STATUS FTSIM_CALL FT_SetTimeouts (FT_HANDLE handle, std::uint32_t, std::uint32_t)
{
    return withChannel (handle, [] (SimulatedChannel&) { return FT_OK; });
}

FT_STATUS FTSIM_CALL FT_SetLatencyTimer (FT_HANDLE handle, std::uint8_t)
{
    return withChannel (handle, [] (SimulatedChannel&) { return FT_OK; });
}

FT_STATUS FTSIM_CALL FT_SetBitMode (FT_HANDLE handle, std::uint8_t, std::uint8_t mode)
{
    return withChannel (handle, [mode] (SimulatedChannel& c) { c.setBitMode (mode); return FT_OK; });
}

FT_STATUS FTSIM_CALL FT_GetQueueStatus (FT_HANDLE handle, std::uint32_t* waiting)
{
    if (waiting == nullptr)
        return FT_INVALID_PARAMETER;

    return withChannel (handle, [waiting] (SimulatedChannel& c) { *waiting = c.waiting(); return FT_OK; });
}

FT_STATUS FTSIM_CALL FT_Read (FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* received)
{
    if (buffer == nullptr || received == nullptr)
        return FT_INVALID_PARAMETER;

    return withChannel (handle, [=] (SimulatedChannel& c)
    {
        auto& stats = SimulatedBus::instance().statistics;
        *received = c.read (static_cast<std::uint8_t*> (buffer), size);
        ++stats.usbReads;
        stats.bytesRead += *received;

        // A device would wait for its read time-out here; the simulator answers at once.
        if (*received < size)
            ++stats.readShortfalls;

        return FT_OK;
    });
}

FT_STATUS FTSIM_CALL FT_Write (FT_HANDLE handle, void* buffer, std::uint32_t size, std::uint32_t* written)
{
    if (buffer == nullptr || written == nullptr)
        return FT_INVALID_PARAMETER;

    return withChannel (handle, [=] (SimulatedChannel& c)
    {
        auto& stats = SimulatedBus::instance().statistics;
        ++stats.usbWrites;
        stats.bytesWritten += size;
        c.write (static_cast<const std::uint8_t*> (buffer), size);
        *written = size;
        return FT_OK;
    });
}

FT_STATUS FTSIM_CALL FT_GetDeviceInfo (FT_HANDLE handle, FT_DEVICE* type, std::uint32_t* id, char* serialNumber,
                                    char* description, void*)
{
    return withChannel (handle, [=] (SimulatedChannel& c)
    {
        const auto node = c.node();

        if (type != nullptr) *type = node.Type;
        if (id != nullptr) *id = node.ID;
        if (serialNumber != nullptr) std::memcpy (serialNumber, node.SerialNumber, sizeof (node.SerialNumber));
        if (description != nullptr) std::memcpy (description, node.Description, sizeof (node.Description));

        return FT_OK;
    });
}

void FTSIM_CALL FTSim_GetStatistics (FTSimStatistics* statistics)
{
    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);

    if (statistics != nullptr)
        *statistics = bus.statistics;
}

void FTSIM_CALL FTSim_ResetStatistics()
{
    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    bus.statistics = {};
}
