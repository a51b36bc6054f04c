#include "SimulatedChannel.h"

#include "Bt815.h"

#include <algorithm>

namespace ftd2xxsim
{

SimulatedChannel::SimulatedChannel (ChannelDescription d, FTSimStatistics& statistics)
    : description (std::move (d)), mpsse (statistics, receiveQueue)
{
    if (description.slave == "BT815")
    {
        auto controller = std::make_unique<Bt815> (&statistics);
        bt815 = controller.get();
        slave = std::move (controller);
    }

    mpsse.attach (slave.get());
}

FT_DEVICE_LIST_INFO_NODE SimulatedChannel::node() const noexcept
{
    auto n = description.node;

    if (open)
        n.Flags |= 0x1;

    n.ftHandle = open ? const_cast<SimulatedChannel*> (this) : nullptr;
    return n;
}

void SimulatedChannel::setOpen (bool isOpen) noexcept
{
    open = isOpen;
}

void SimulatedChannel::resetDevice() noexcept
{
    receiveQueue.clear();
}

void SimulatedChannel::purge (std::uint32_t mask) noexcept
{
    if ((mask & 1) != 0)
        receiveQueue.clear();

    if ((mask & 2) != 0)
        mpsse.discardPendingCommands();
}

void SimulatedChannel::setBitMode (std::uint8_t mode)
{
    if (mode == 0x00)
        mpsse.reset();

    mpsseRunning = mode == 0x02 && description.hasMpsse;
}

void SimulatedChannel::write (const std::uint8_t* bytes, std::uint32_t size)
{
    if (mpsseRunning)
        mpsse.write (bytes, size);
}

std::uint32_t SimulatedChannel::read (std::uint8_t* bytes, std::uint32_t size)
{
    const auto n = std::min<std::size_t> (size, receiveQueue.size());
    std::copy_n (receiveQueue.begin(), n, bytes);
    receiveQueue.erase (receiveQueue.begin(), receiveQueue.begin() + static_cast<std::ptrdiff_t> (n));
    return static_cast<std::uint32_t> (n);
}

std::uint32_t SimulatedChannel::waiting() const noexcept
{
    return static_cast<std::uint32_t> (receiveQueue.size());
}

} // namespace ftd2xxsim
