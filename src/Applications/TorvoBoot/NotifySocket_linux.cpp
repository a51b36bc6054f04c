#include "NotifySocket_linux.h"
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

bool NotifySocket::isAvailable()
{
    return juce::SystemStats::getEnvironmentVariable ("NOTIFY_SOCKET", {}).isNotEmpty();
}

bool NotifySocket::notify (const juce::String& assignments)
{
    const auto path = juce::SystemStats::getEnvironmentVariable ("NOTIFY_SOCKET", {});
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const auto length = (size_t) path.getNumBytesAsUTF8();

    if (path.isEmpty() || length >= sizeof (address.sun_path))
        return false;

    std::memcpy (address.sun_path, path.toRawUTF8(), length);

    // A leading '@' names a socket in the abstract namespace.
    if (address.sun_path[0] == '@')
        address.sun_path[0] = 0;

    const int socket = ::socket (AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);

    if (socket < 0)
        return false;

    const auto addressLength = (socklen_t) (offsetof (sockaddr_un, sun_path) + length);
    const auto sent = ::sendto (socket, assignments.toRawUTF8(), assignments.getNumBytesAsUTF8(), MSG_NOSIGNAL,
                                reinterpret_cast<const sockaddr*> (&address), addressLength);
    ::close (socket);
    return sent == (ssize_t) assignments.getNumBytesAsUTF8();
}
