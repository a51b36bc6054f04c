#pragma once

#include "SimulatedChannel.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace ftd2xxsim
{

/**
    The USB bus as the simulator sees it: the channels of the devices that
    FTD2XX_SIM_DEVICES names, the handles open on them and the counters.
    The list is read again at every scan, so a changed variable plugs devices
    in and out; an open handle keeps its channel alive until it is closed.
*/
class SimulatedBus
{
public:
    /** The one bus of the process. */
    static SimulatedBus& instance();

    /** Guards everything below; every entry point holds it. */
    std::mutex lock;

    /** Reads FTD2XX_SIM_DEVICES and rebuilds the device list when it changed. */
    void rescan();

    /** The channels in device-list order, scanning once if nobody has yet. */
    const std::vector<std::shared_ptr<SimulatedChannel>>& channels();

    /** Opens the index-th channel; null when there is none or it is open already. */
    SimulatedChannel* open (int index);

    /** The channel of an open handle, or null. */
    SimulatedChannel* find (FT_HANDLE handle) const;

    /** Closes an open handle; false when it is not one. */
    bool close (FT_HANDLE handle);

    /** The BT815 of the first channel that has one, scanning the device list first; null when none has. */
    Bt815* displayController();

    FTSimStatistics statistics {};

private:
    std::vector<std::shared_ptr<SimulatedChannel>> list;
    std::map<FT_HANDLE, std::shared_ptr<SimulatedChannel>> openHandles;
    std::string scannedDevices;
    bool scanned = false;
};

} // namespace ftd2xxsim
