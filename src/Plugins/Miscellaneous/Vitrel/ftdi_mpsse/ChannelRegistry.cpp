#include "ChannelRegistry.h"

#include <algorithm>
#include <new>
#include <vector>

namespace vitrel::ftdi
{
namespace
{

std::vector<ChannelRecord>& openChannels() noexcept
{
    static std::vector<ChannelRecord> records;
    return records;
}

} // namespace

FT_STATUS registerChannel (FT_HANDLE handle)
{
    // The driver never hands out a handle twice while it is open, so a record
    // already stored for it belongs to a channel that was never closed.
    if (auto* stale = findChannel (handle))
    {
        *stale = ChannelRecord { handle, {} };
        return FT_OK;
    }

    try
    {
        openChannels().push_back (ChannelRecord { handle, {} });
    }
    catch (const std::bad_alloc&)
    {
        return FT_INSUFFICIENT_RESOURCES;
    }

    return FT_OK;
}

ChannelRecord* findChannel (FT_HANDLE handle) noexcept
{
    auto& records = openChannels();
    auto found = std::find_if (records.begin(), records.end(),
                               [handle] (const ChannelRecord& r) { return r.handle == handle; });
    return found != records.end() ? &*found : nullptr;
}

void unregisterChannel (FT_HANDLE handle) noexcept
{
    std::erase_if (openChannels(), [handle] (const ChannelRecord& r) { return r.handle == handle; });
}

} // namespace vitrel::ftdi
