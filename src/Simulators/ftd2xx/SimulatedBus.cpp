#include "SimulatedBus.h"

#include "Bt815.h"
#include "Environment.h"

namespace ftd2xxsim
{

SimulatedBus& SimulatedBus::instance()
{
    static SimulatedBus bus;
    return bus;
}

void SimulatedBus::rescan()
{
    const auto devices = readEnvironment ("FTD2XX_SIM_DEVICES");

    if (scanned && devices == scannedDevices)
        return;

    scanned = true;
    scannedDevices = devices;
    list.clear();

    for (auto& description : describeDevices (devices))
        list.push_back (std::make_shared<SimulatedChannel> (std::move (description), statistics));
}

const std::vector<std::shared_ptr<SimulatedChannel>>& SimulatedBus::channels()
{
    if (! scanned)
        rescan();

    return list;
}

SimulatedChannel* SimulatedBus::open (int index)
{
    const auto& all = channels();

    if (index < 0 || static_cast<std::size_t> (index) >= all.size())
        return nullptr;

    const auto& channel = all[static_cast<std::size_t> (index)];

    if (openHandles.count (channel.get()) != 0)
        return nullptr;

    openHandles[channel.get()] = channel;
    channel->setOpen (true);
    return channel.get();
}

SimulatedChannel* SimulatedBus::find (FT_HANDLE handle) const
{
    const auto found = openHandles.find (handle);
    return found != openHandles.end() ? found->second.get() : nullptr;
}

Bt815* SimulatedBus::displayController()
{
    rescan();

    for (const auto& channel : list)
        if (auto* controller = channel->displayController())
            return controller;

    return nullptr;
}

bool SimulatedBus::close (FT_HANDLE handle)
{
    const auto found = openHandles.find (handle);

    if (found == openHandles.end())
        return false;

    found->second->setOpen (false);

    // A closed bridge drives the display no longer: a viewer stops showing its last frame.
    if (auto* controller = found->second->displayController())
        controller->bridgeClosed();

    openHandles.erase (found);
    return true;
}

} // namespace ftd2xxsim
