#include "D2xxApi.h"
#include "SimulatedBus.h"

#include <algorithm>
#include <cstring>

using namespace ftd2xxsim;

namespace
{

/** Runs action on the channel of an open handle under the bus lock; FT_INVALID_HANDLE for anything else. */
template <typename Action>
Status withChannel (Handle handle, Action action)
{
    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    auto* channel = bus.find (handle);
    return channel != nullptr ? action (*channel) : invalidHandle;
}

/** A transfer size the driver accepts: a multiple of 64 from 64 to 65536. */
bool isTransferSize (std::uint32_t size) noexcept
{
    return size >= 64 && size <= 65536 && size % 64 == 0;
}

} // namespace

Status FTSIM_CALL FT_GetLibraryVersion (std::uint32_t* version)
{
    if (version == nullptr)
        return invalidParameter;

    *version = 0x00010000;
    return ok;
}

Status FTSIM_CALL FT_CreateDeviceInfoList (std::uint32_t* count)
{
    if (count == nullptr)
        return invalidParameter;

    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    bus.rescan();
    *count = static_cast<std::uint32_t> (bus.channels().size());
    return ok;
}

Status FTSIM_CALL FT_GetDeviceInfoList (DeviceListNode* nodes, std::uint32_t* count)
{
    if (nodes == nullptr || count == nullptr)
        return invalidParameter;

    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    const auto& channels = bus.channels();

    // The caller's array holds as many nodes as the last count said.
    const auto n = std::min<std::size_t> (*count, channels.size());

    for (std::size_t i = 0; i < n; ++i)
        nodes[i] = channels[i]->node();

    *count = static_cast<std::uint32_t> (n);
    return ok;
}

Status FTSIM_CALL FT_Open (int index, Handle* handle)
{
    if (handle == nullptr)
        return invalidParameter;

    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    auto* channel = bus.open (index);

    if (channel == nullptr)
        return index >= 0 && static_cast<std::size_t> (index) < bus.channels().size() ? deviceNotOpened : deviceNotFound;

    *handle = channel;
    return ok;
}

Status FTSIM_CALL FT_Close (Handle handle)
{
    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    return bus.close (handle) ? ok : invalidHandle;
}

Status FTSIM_CALL FT_ResetDevice (Handle handle)
{
    return withChannel (handle, [] (SimulatedChannel& c) { c.resetDevice(); return ok; });
}

Status FTSIM_CALL FT_Purge (Handle handle, std::uint32_t mask)
{
    return withChannel (handle, [mask] (SimulatedChannel& c) { c.purge (mask); return ok; });
}

Status FTSIM_CALL FT_SetUSBParameters (Handle handle, std::uint32_t in, std::uint32_t out)
{
    return withChannel (handle, [=] (SimulatedChannel&)
    {
        return isTransferSize (in) && (out == 0 || isTransferSize (out)) ? ok : invalidParameter;
    });
}

Status FTSIM_CALL FT_SetChars (Handle handle, std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t)
{
    return withChannel (handle, [] (SimulatedChannel&) { return ok; });
}

Status FTSIM_CALL FT_SetTimeouts (Handle handle, std::uint32_t, std::uint32_t)
{
    return withChannel (handle, [] (SimulatedChannel&) { return ok; });
}

Status FTSIM_CALL FT_SetLatencyTimer (Handle handle, std::uint8_t)
{
    return withChannel (handle, [] (SimulatedChannel&) { return ok; });
}

Status FTSIM_CALL FT_SetBitMode (Handle handle, std::uint8_t, std::uint8_t mode)
{
    return withChannel (handle, [mode] (SimulatedChannel& c) { c.setBitMode (mode); return ok; });
}

Status FTSIM_CALL FT_GetQueueStatus (Handle handle, std::uint32_t* waiting)
{
    if (waiting == nullptr)
        return invalidParameter;

    return withChannel (handle, [waiting] (SimulatedChannel& c) { *waiting = c.waiting(); return ok; });
}

Status FTSIM_CALL FT_Read (Handle handle, void* buffer, std::uint32_t size, std::uint32_t* received)
{
    if (buffer == nullptr || received == nullptr)
        return invalidParameter;

    return withChannel (handle, [=] (SimulatedChannel& c)
    {
        auto& stats = SimulatedBus::instance().statistics;
        *received = c.read (static_cast<std::uint8_t*> (buffer), size);
        ++stats.usbReads;
        stats.bytesRead += *received;

        // A device would wait for its read time-out here; the simulator answers at once.
        if (*received < size)
            ++stats.readShortfalls;

        return ok;
    });
}

Status FTSIM_CALL FT_Write (Handle handle, void* buffer, std::uint32_t size, std::uint32_t* written)
{
    if (buffer == nullptr || written == nullptr)
        return invalidParameter;

    return withChannel (handle, [=] (SimulatedChannel& c)
    {
        auto& stats = SimulatedBus::instance().statistics;
        ++stats.usbWrites;
        stats.bytesWritten += size;
        c.write (static_cast<const std::uint8_t*> (buffer), size);
        *written = size;
        return ok;
    });
}

Status FTSIM_CALL FT_GetDeviceInfo (Handle handle, std::uint32_t* type, std::uint32_t* id, char* serialNumber,
                                    char* description, void*)
{
    return withChannel (handle, [=] (SimulatedChannel& c)
    {
        const auto node = c.node();

        if (type != nullptr) *type = node.type;
        if (id != nullptr) *id = node.id;
        if (serialNumber != nullptr) std::memcpy (serialNumber, node.serialNumber, sizeof (node.serialNumber));
        if (description != nullptr) std::memcpy (description, node.description, sizeof (node.description));

        return ok;
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
