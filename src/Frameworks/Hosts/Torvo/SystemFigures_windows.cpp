#include "SystemFigures.h"
#include <torvocore/MemoryUsage.h>
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <iphlpapi.h>

namespace systemfigures
{

namespace
{
    /** Dotted IPv4, or the eight hexadecimal groups of IPv6. */
    juce::String addressText (const SOCKADDR* address)
    {
        if (address->sa_family == AF_INET)
        {
            const auto* bytes = reinterpret_cast<const juce::uint8*> (&reinterpret_cast<const sockaddr_in*> (address)->sin_addr);
            return juce::String (bytes[0]) + "." + juce::String (bytes[1]) + "." + juce::String (bytes[2]) + "." + juce::String (bytes[3]);
        }

        if (address->sa_family == AF_INET6)
        {
            const auto* bytes = reinterpret_cast<const juce::uint8*> (&reinterpret_cast<const sockaddr_in6*> (address)->sin6_addr);
            juce::StringArray groups;

            for (int i = 0; i < 16; i += 2)
                groups.add (juce::String::toHexString ((bytes[i] << 8) | bytes[i + 1]));

            return groups.joinIntoString (":");
        }

        return {};
    }

    juce::String firstAddress (const IP_ADAPTER_ADDRESSES& adapter)
    {
        juce::String found;

        for (auto* unicast = adapter.FirstUnicastAddress; unicast != nullptr; unicast = unicast->Next)
        {
            const auto* address = unicast->Address.lpSockaddr;

            if (address == nullptr)
                continue;

            if (address->sa_family == AF_INET)
                return addressText (address);

            if (found.isEmpty())
                found = addressText (address);
        }

        return found;
    }

    /** "Data (D:) (120.3 GB free)", or empty for a drive that is not ready. */
    juce::String describeDrive (const wchar_t* root)
    {
        ULARGE_INTEGER freeToCaller {}, total {}, freeInAll {};

        if (! GetDiskFreeSpaceExW (root, &freeToCaller, &total, &freeInAll) || total.QuadPart == 0)
            return {};

        wchar_t label[MAX_PATH + 1] = {};
        GetVolumeInformationW (root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
        const auto drive = juce::String (root).trimCharactersAtEnd ("\\");
        const auto name = label[0] != 0 ? juce::String (label) + " (" + drive + ")" : drive;
        return name + " (" + torvo::MemoryUsage::describeBytes ((juce::uint64) freeToCaller.QuadPart) + " free)";
    }
}

std::vector<Adapter> listNetworkAdapters (size_t maximum)
{
    std::vector<Adapter> adapters;
    ULONG size = 16 * 1024;
    juce::HeapBlock<juce::uint8> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;

    // The list can grow between the size query and the call; a few tries suffice.
    for (int attempt = 0; attempt < 4 && result == ERROR_BUFFER_OVERFLOW; ++attempt)
    {
        buffer.malloc (size);
        result = GetAdaptersAddresses (AF_UNSPEC, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
                                       nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*> (buffer.getData()), &size);
    }

    if (result != NO_ERROR)
        return adapters;

    for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*> (buffer.getData());
         adapter != nullptr && adapters.size() < maximum; adapter = adapter->Next)
    {
        const bool connected = adapter->OperStatus == IfOperStatusUp && adapter->IfType != IF_TYPE_SOFTWARE_LOOPBACK;
        const auto name = adapter->FriendlyName != nullptr ? juce::String (adapter->FriendlyName) : juce::String (adapter->AdapterName);
        adapters.push_back ({ name, firstAddress (*adapter), connected });
    }

    return adapters;
}

Memory readSystemMemory()
{
    MEMORYSTATUSEX status {};
    status.dwLength = sizeof (status);

    if (! GlobalMemoryStatusEx (&status) || status.ullAvailPhys > status.ullTotalPhys)
        return {};

    return { (juce::uint64) (status.ullTotalPhys - status.ullAvailPhys), (juce::uint64) status.ullTotalPhys };
}

juce::StringArray listStorageVolumes (int maximum)
{
    juce::StringArray volumes;
    wchar_t roots[26 * 4 + 1] = {};
    const auto length = GetLogicalDriveStringsW ((DWORD) std::size (roots) - 1, roots);

    if (length == 0 || length >= std::size (roots))
        return volumes;

    for (const auto* root = roots; *root != 0 && volumes.size() < maximum; root += wcslen (root) + 1)
    {
        const auto type = GetDriveTypeW (root);

        if (type != DRIVE_FIXED && type != DRIVE_REMOVABLE)
            continue;

        if (const auto description = describeDrive (root); description.isNotEmpty())
            volumes.add (description);
    }

    return volumes;
}

} // namespace systemfigures
