#pragma once

#include "DeviceCatalog.h"
#include "MpsseEngine.h"
#include "SpiSlave.h"

#include <deque>
#include <memory>

namespace ftd2xxsim
{

class Bt815;

/** One device-list entry as an openable device: its receive queue, driver settings and, if its port has one, its MPSSE. */
class SimulatedChannel
{
public:
    /** A closed channel described by description, counting into statistics. */
    SimulatedChannel (ChannelDescription description, FTSimStatistics& statistics);

    /** The entry as the device list shows it. */
    FT_DEVICE_LIST_INFO_NODE node() const noexcept;

    /** Marks the channel open or closed (closing leaves the bit mode). */
    void setOpen (bool open) noexcept;

    /** FT_ResetDevice: drops what waits in the receive queue. */
    void resetDevice() noexcept;

    /** FT_Purge: mask bit 0 drops received bytes, bit 1 unsent command bytes. */
    void purge (std::uint32_t mask) noexcept;

    /** FT_SetBitMode: mode 0 resets the pins, mode 2 starts the MPSSE where the port has one. */
    void setBitMode (std::uint8_t mode);

    /** FT_Write: bytes go to the MPSSE while it runs, otherwise to the UART, where nothing listens. */
    void write (const std::uint8_t* bytes, std::uint32_t size);

    /** FT_Read: takes up to size waiting bytes; the count taken. */
    std::uint32_t read (std::uint8_t* bytes, std::uint32_t size);

    /** FT_GetQueueStatus: bytes waiting. */
    std::uint32_t waiting() const noexcept;

    /** The engine, for attaching a slave. */
    MpsseEngine& engine() noexcept              { return mpsse; }

    /** The BT815 wired to this channel's SPI pins, or null. */
    Bt815* displayController() noexcept         { return bt815; }

    /** The name of the chip the catalogue wired to this channel's SPI pins. */
    const std::string& slaveName() const noexcept { return description.slave; }

private:
    ChannelDescription description;
    std::deque<std::uint8_t> receiveQueue;
    std::unique_ptr<SpiSlave> slave;
    Bt815* bt815 = nullptr;
    MpsseEngine mpsse;
    bool open = false;
    bool mpsseRunning = false;
};

} // namespace ftd2xxsim
