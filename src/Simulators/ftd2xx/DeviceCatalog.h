#pragma once

#include "D2xxApi.h"

#include <string>
#include <vector>

namespace ftd2xxsim
{

/** One device-list entry the simulator offers: a chip's channel. */
struct ChannelDescription
{
    FT_DEVICE_LIST_INFO_NODE node {};
    bool hasMpsse = false;       ///< whether the channel's port has an MPSSE engine
    std::string slave;           ///< the chip wired to its SPI pins ("" for none)
};

/**
    The channels of the devices named in a list such as "FT232H" or
    "FT2232H,FT4232H,FT232R", in list order. A name may carry the chip on its
    SPI pins after a colon ("FT232H:BT815"). Unknown names are skipped.

    Device k (from 1) gets location ids 0xk0 + port: ports 1, 2, ... for the
    multi-channel chips, port 0 for single-channel ones.
*/
std::vector<ChannelDescription> describeDevices (const std::string& list);

} // namespace ftd2xxsim
