#pragma once

#include <juce_core/juce_core.h>
#include <vector>

//==============================================================================
/** What the operating system tells about the machine the host runs on, as
    plain figures for the host's status record. Lists are cut at a maximum,
    so that a machine with thousands of interfaces or mounts costs no more
    than one with a hundred. */
namespace systemfigures
{

/** One network adapter. */
struct Adapter
{
    juce::String name;       /**< as the system names it ("eth0", "Ethernet 2") */
    juce::String address;    /**< its first IPv4 address, else its first IPv6 one, else empty */
    bool connected = false;  /**< up, with a link, and not a loopback adapter */
};

/** The machine's network adapters in the system's order, at most maximum. */
std::vector<Adapter> listNetworkAdapters (size_t maximum);

/** The physical memory in use and in all, in bytes; total is 0 when the
    system does not tell. */
struct Memory
{
    juce::uint64 used = 0;
    juce::uint64 total = 0;
};

/** The machine's physical memory. */
Memory readSystemMemory();

/** The friendly names of the machine's storage volumes (mounted file systems
    of block devices, fixed and removable drives), at most maximum. */
juce::StringArray listStorageVolumes (int maximum);

} // namespace systemfigures
