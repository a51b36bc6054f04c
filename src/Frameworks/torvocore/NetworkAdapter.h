#pragma once

#include <tavcore/Boolean.h>
#include <tavcore/String.h>

namespace torvo
{

//==============================================================================
/** One network adapter of the server's machine as its status record shows it:
    the adapter's name, its first address, and whether it is connected to a
    network (up, with a link, and not the loopback adapter). */
class NetworkAdapter : public tav::Object
{
public:
    NetworkAdapter();

    /** A copy of another adapter's values. */
    NetworkAdapter (const NetworkAdapter& other);

    /** Takes another adapter's values. */
    NetworkAdapter& operator= (const NetworkAdapter& other);

    juce::String getClassName() const override    { return "NetworkAdapter"; }

    /** The name and, when there is one, the address in parentheses:
        "eth0 (192.168.1.20)". */
    juce::String toString() const;

    tav::String name;           /**< the adapter's name as the system shows it */
    tav::String address;        /**< its first address (IPv4 before IPv6), or empty */
    tav::Boolean isConnected;   /**< true when it is up, has a link and is not the loopback */
};

} // namespace torvo
