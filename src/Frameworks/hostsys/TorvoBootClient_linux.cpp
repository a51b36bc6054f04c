#include "hostsys/TorvoBootClient.h"
#include "TorvoBootControl.h"
#include <tavcore/ExecutionContext.h>
#include <tavcore/Thread.h>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace os
{

namespace
{
    juce::String getOsErrorText()
    {
        return tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false));
    }

    /** Closes a socket descriptor when it goes out of scope. */
    struct ScopedSocket
    {
        explicit ScopedSocket (int descriptor) : fd (descriptor) {}
        ~ScopedSocket()          { if (fd >= 0) ::close (fd); }

        int fd;

        JUCE_DECLARE_NON_COPYABLE (ScopedSocket)
    };
}

juce::File TorvoBootClient::getControlSocketFile()
{
    const auto overridden = juce::SystemStats::getEnvironmentVariable ("TORVO_BOOT_CONTROL_SOCKET", {});

    if (overridden.isNotEmpty())
        return juce::File (overridden);

    if (::geteuid() == 0)
        return juce::File ("/run/TorvoBoot/control");

    const auto runtimeDirectory = juce::SystemStats::getEnvironmentVariable ("XDG_RUNTIME_DIR", {});

    if (runtimeDirectory.isNotEmpty())
        return juce::File (runtimeDirectory).getChildFile ("TorvoBoot/control");

    return juce::File ("/tmp/TorvoBoot-" + juce::String ((juce::uint64) ::geteuid())).getChildFile ("control");
}

namespace detail
{

bool deliverTorvoBootControlCode (juce::uint8 controlCode)
{
    const auto path = TorvoBootClient::getControlSocketFile().getFullPathName();
    sockaddr_un address {};
    address.sun_family = AF_UNIX;

    if ((size_t) path.getNumBytesAsUTF8() >= sizeof (address.sun_path))
    {
        tav::ExecutionContext::get().error ("The TorvoBoot control socket path is too long: " + path);
        return false;
    }

    std::memcpy (address.sun_path, path.toRawUTF8(), path.getNumBytesAsUTF8());

    const ScopedSocket socket (::socket (AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0));

    if (socket.fd < 0)
    {
        tav::ExecutionContext::get().error ("Cannot create a socket to reach TorvoBoot: " + getOsErrorText());
        return false;
    }

    // A datagram to a bound socket is queued at once (or refused when the
    // queue is full), so this never blocks for long.
    const auto sent = ::sendto (socket.fd, &controlCode, 1, MSG_DONTWAIT | MSG_NOSIGNAL,
                                reinterpret_cast<const sockaddr*> (&address), sizeof (address));

    if (sent == 1)
        return true;

    if (errno == ENOENT || errno == ECONNREFUSED || errno == ENOTDIR)
        tav::ExecutionContext::get().error ("TorvoBoot is not running (no control socket at " + path + ")");
    else
        tav::ExecutionContext::get().error ("Cannot send control code " + juce::String (controlCode) + " to TorvoBoot at "
                                            + path + ": " + getOsErrorText());

    return false;
}

} // namespace detail
} // namespace os
