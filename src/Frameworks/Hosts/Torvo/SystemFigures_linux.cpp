#include "SystemFigures.h"
#include <torvocore/MemoryUsage.h>
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/statvfs.h>

namespace systemfigures
{

namespace
{
    juce::String addressText (const sockaddr* address)
    {
        char text[INET6_ADDRSTRLEN] = {};

        if (address->sa_family == AF_INET)
            inet_ntop (AF_INET, &reinterpret_cast<const sockaddr_in*> (address)->sin_addr, text, sizeof (text));
        else if (address->sa_family == AF_INET6)
            inet_ntop (AF_INET6, &reinterpret_cast<const sockaddr_in6*> (address)->sin6_addr, text, sizeof (text));

        return juce::String (text);
    }

    /** Takes one entry of getifaddrs into the adapter of its name; an IPv4
        address replaces an IPv6 one, never the other way round. */
    void takeEntry (const ifaddrs& entry, std::vector<Adapter>& adapters, size_t maximum)
    {
        const auto name = juce::String (entry.ifa_name);
        auto found = std::find_if (adapters.begin(), adapters.end(), [&] (auto& a) { return a.name == name; });

        if (found == adapters.end())
        {
            if (adapters.size() >= maximum)
                return;

            const auto flags = entry.ifa_flags;
            const bool connected = (flags & IFF_UP) != 0 && (flags & IFF_RUNNING) != 0 && (flags & IFF_LOOPBACK) == 0;
            adapters.push_back ({ name, {}, connected });
            found = adapters.end() - 1;
        }

        if (entry.ifa_addr == nullptr)
            return;

        const auto family = entry.ifa_addr->sa_family;

        if ((family == AF_INET && ! found->address.containsChar ('.')) || (family == AF_INET6 && found->address.isEmpty()))
            found->address = addressText (entry.ifa_addr);
    }

    /** "/media/show (120.3 GB free)" for a mounted folder, or empty when it
        cannot be asked. */
    juce::String describeVolume (const juce::String& mountPoint)
    {
        struct statvfs figures {};

        if (statvfs (mountPoint.toRawUTF8(), &figures) != 0 || figures.f_blocks == 0)
            return {};

        return mountPoint + " (" + torvo::MemoryUsage::describeBytes ((juce::uint64) figures.f_bavail * figures.f_frsize) + " free)";
    }

    /** Undoes the octal escapes of /proc/self/mounts ("\040" for a space). */
    juce::String unescapeMountField (const juce::String& field)
    {
        return field.replace ("\\040", " ").replace ("\\011", "\t").replace ("\\012", "\n").replace ("\\134", "\\");
    }
}

std::vector<Adapter> listNetworkAdapters (size_t maximum)
{
    std::vector<Adapter> adapters;
    ifaddrs* list = nullptr;

    if (getifaddrs (&list) != 0)
        return adapters;

    for (auto* entry = list; entry != nullptr; entry = entry->ifa_next)
        if (entry->ifa_name != nullptr)
            takeEntry (*entry, adapters, maximum);

    freeifaddrs (list);
    return adapters;
}

Memory readSystemMemory()
{
    juce::uint64 totalKilobytes = 0, availableKilobytes = 0;

    for (auto& line : juce::StringArray::fromLines (juce::File ("/proc/meminfo").loadFileAsString()))
    {
        if (line.startsWith ("MemTotal:"))
            totalKilobytes = (juce::uint64) line.fromFirstOccurrenceOf (":", false, false).trim().getLargeIntValue();
        else if (line.startsWith ("MemAvailable:"))
            availableKilobytes = (juce::uint64) line.fromFirstOccurrenceOf (":", false, false).trim().getLargeIntValue();
    }

    if (totalKilobytes == 0 || availableKilobytes > totalKilobytes)
        return {};

    return { (totalKilobytes - availableKilobytes) * 1024, totalKilobytes * 1024 };
}

juce::StringArray listStorageVolumes (int maximum)
{
    juce::StringArray volumes, sources;
    // Read in bounded pieces: /proc/self/mounts of a busy machine can be long.
    juce::FileInputStream mounts (juce::File ("/proc/self/mounts"));

    for (int lines = 0; mounts.openedOk() && ! mounts.isExhausted() && lines < 10000 && volumes.size() < maximum; ++lines)
    {
        const auto fields = juce::StringArray::fromTokens (mounts.readNextLine(), " ", {});

        // Block devices only (not proc, tmpfs or the like), each once, on a
        // folder (the files a container gets bound in from its host are no volumes).
        if (fields.size() < 2 || ! fields[0].startsWith ("/dev/") || sources.contains (fields[0]))
            continue;

        const auto mountPoint = unescapeMountField (fields[1]);

        if (! juce::File (mountPoint).isDirectory())
            continue;

        if (const auto description = describeVolume (mountPoint); description.isNotEmpty())
        {
            sources.add (fields[0]);
            volumes.add (description);
        }
    }

    return volumes;
}

} // namespace systemfigures
