#pragma once

#include "D2xxFunctions.h"
#include "SpiChannelSettings.h"

namespace vitrel::ftdi
{

/** What the layer remembers of one open channel. */
struct ChannelRecord
{
    FT_HANDLE handle = nullptr;
    SpiChannelSettings settings {};
};

/** Adds a record with empty settings for a newly opened handle; FT_INSUFFICIENT_RESOURCES when it cannot be stored. */
FT_STATUS registerChannel (FT_HANDLE handle);

/** The record of handle, or null when it is not open. */
ChannelRecord* findChannel (FT_HANDLE handle) noexcept;

/** Forgets handle's record; the other records stay. */
void unregisterChannel (FT_HANDLE handle) noexcept;

} // namespace vitrel::ftdi
