#include "DeviceCatalog.h"

#include <cstdio>
#include <cstring>

namespace ftd2xxsim
{
namespace
{

/** What the datasheets give for one chip family. */
struct ChipModel
{
    const char* name;
    FT_DEVICE type;
    std::uint16_t productId;
    int ports;              ///< list entries (0 for a single-channel chip, which has port 0)
    int mpssePorts;         ///< ports A.. that have an engine
    const char* description;
};

constexpr ChipModel chips[] = {
    { "FT232H", FT_DEVICE_232H, 0x6014, 0, 1, "Single RS232-HS" },
    { "FT2232H", FT_DEVICE_2232H, 0x6010, 2, 2, "Dual RS232-HS" },
    { "FT4232H", FT_DEVICE_4232H, 0x6011, 4, 2, "Quad RS232-HS" },
    { "FT2232C", FT_DEVICE_2232C, 0x6010, 2, 1, "Dual RS232" },
    { "FT2232D", FT_DEVICE_2232C, 0x6010, 2, 1, "Dual RS232" },
    { "FT232R", FT_DEVICE_232R, 0x6001, 0, 0, "FT232R USB UART" },
    { "FT230X", FT_DEVICE_X_SERIES, 0x6015, 0, 0, "FT230X Basic UART" },
};

const ChipModel* findChip (const std::string& name) noexcept
{
    for (const auto& chip : chips)
        if (name == chip.name)
            return &chip;

    return nullptr;
}

ChannelDescription describeChannel (const ChipModel& chip, int deviceNumber, int port, const std::string& slave)
{
    ChannelDescription c;
    c.node.Type = chip.type;
    c.node.ID = (0x0403u << 16) | chip.productId;
    c.node.LocId = static_cast<std::uint32_t> ((deviceNumber << 4) | port);
    c.node.Flags = 0x2; // high speed
    const char portLetter = port == 0 ? '\0' : static_cast<char> ('A' + port - 1);
    std::snprintf (c.node.SerialNumber, sizeof (c.node.SerialNumber), "FTSIM%03u%c", static_cast<unsigned> (deviceNumber) % 1000u, portLetter);
    if (port == 0)
        std::snprintf (c.node.Description, sizeof (c.node.Description), "%s", chip.description);
    else
        std::snprintf (c.node.Description, sizeof (c.node.Description), "%s %c", chip.description, portLetter);
    c.hasMpsse = chip.ports == 0 ? chip.mpssePorts > 0 : port <= chip.mpssePorts;
    c.slave = slave;
    return c;
}

void addDevice (std::vector<ChannelDescription>& channels, const std::string& entry, int deviceNumber)
{
    const auto colon = entry.find (':');
    const auto* chip = findChip (entry.substr (0, colon));

    if (chip == nullptr)
        return;

    const auto slave = colon == std::string::npos ? std::string() : entry.substr (colon + 1);

    if (chip->ports == 0)
        channels.push_back (describeChannel (*chip, deviceNumber, 0, slave));

    // The chip on the SPI pins is wired to the first port only.
    for (int port = 1; port <= chip->ports; ++port)
        channels.push_back (describeChannel (*chip, deviceNumber, port, port == 1 ? slave : std::string()));
}

} // namespace

std::vector<ChannelDescription> describeDevices (const std::string& list)
{
    std::vector<ChannelDescription> channels;
    int deviceNumber = 0;
    std::size_t start = 0;

    while (start <= list.size() && ! list.empty())
    {
        const auto end = list.find (',', start);
        const auto entry = list.substr (start, end == std::string::npos ? std::string::npos : end - start);

        if (! entry.empty())
            addDevice (channels, entry, ++deviceNumber);

        if (end == std::string::npos)
            break;

        start = end + 1;
    }

    return channels;
}

} // namespace ftd2xxsim
