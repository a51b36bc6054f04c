#pragma once

// Header-only, for the Linux tests that stand where TorvoBoot listens.
#include <juce_core/juce_core.h>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

//==============================================================================
/** A datagram socket bound at a path, standing where TorvoBoot listens for
    its control bytes. */
class ControlSocket
{
public:
    explicit ControlSocket (const juce::File& file) : fd (::socket (AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy (address.sun_path, file.getFullPathName().toRawUTF8(), sizeof (address.sun_path) - 1);
        bound = ::bind (fd, reinterpret_cast<const sockaddr*> (&address), sizeof (address)) == 0;
    }

    ~ControlSocket()               { ::close (fd); }

    /** The bytes of the next datagram, or nothing when none comes in time. */
    std::vector<juce::uint8> receive (int timeoutMs = 2000) const
    {
        pollfd waiting { fd, POLLIN, 0 };

        if (::poll (&waiting, 1, timeoutMs) != 1)
            return {};

        juce::uint8 buffer[16] = {};
        const auto size = ::recv (fd, buffer, sizeof (buffer), 0);
        return std::vector<juce::uint8> (buffer, buffer + juce::jmax ((ssize_t) 0, size));
    }

    bool bound = false;

private:
    int fd;

    JUCE_DECLARE_NON_COPYABLE (ControlSocket)
};
