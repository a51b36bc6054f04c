#include "ControlSocketReceiver_linux.h"
#include "ServiceControl.h"
#include <hostsys/TorvoBootClient.h>
#include <tavcore/Thread.h>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
    juce::String getOsErrorText()
    {
        return tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false));
    }

    bool makeAddress (const juce::File& file, sockaddr_un& address)
    {
        const auto path = file.getFullPathName();
        address = {};
        address.sun_family = AF_UNIX;

        if ((size_t) path.getNumBytesAsUTF8() >= sizeof (address.sun_path))
            return false;

        std::memcpy (address.sun_path, path.toRawUTF8(), path.getNumBytesAsUTF8());
        return true;
    }

    /** True when something is bound and receiving at the address. */
    bool isSocketAlive (const sockaddr_un& address)
    {
        const int probe = ::socket (AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        const bool alive = probe >= 0 && ::connect (probe, reinterpret_cast<const sockaddr*> (&address), sizeof (address)) == 0;

        if (probe >= 0)
            ::close (probe);

        return alive;
    }

    /** Removes a socket file. (juce::File takes a socket for a folder, as
        its mode shares a bit with a folder's, and fails to delete it.) */
    void removeSocketFile (const juce::File& file)
    {
        ::unlink (file.getFullPathName().toRawUTF8());
    }
}

//==============================================================================
ControlSocketReceiver::~ControlSocketReceiver()
{
    close();
}

bool ControlSocketReceiver::open (tav::ExecutionContext& messageContext)
{
    context = &messageContext;
    socketFile = os::TorvoBootClient::getControlSocketFile();
    sockaddr_un address {};

    if (! makeAddress (socketFile, address))
    {
        context->error ("The control socket path is too long: " + socketFile.getFullPathName());
        return false;
    }

    // The folder keeps everybody but the owner away from the socket.
    const auto folder = socketFile.getParentDirectory();
    folder.createDirectory();
    ::chmod (folder.getFullPathName().toRawUTF8(), 0700);

    if (socketFile.exists())
    {
        if (isSocketAlive (address))
        {
            context->warning ("Another TorvoBoot receives commands at " + socketFile.getFullPathName() + "; this one will not");
            return false;
        }

        removeSocketFile (socketFile);
    }

    descriptor = ::socket (AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);

    if (descriptor < 0 || ::bind (descriptor, reinterpret_cast<const sockaddr*> (&address), sizeof (address)) != 0
        || ::chmod (socketFile.getFullPathName().toRawUTF8(), 0600) != 0)
    {
        context->error ("Cannot receive commands at " + socketFile.getFullPathName() + ": " + getOsErrorText());
        close();
        return false;
    }

    stopRequested = false;
    thread = std::thread ([this] { receiveLoop(); });
    return true;
}

void ControlSocketReceiver::close()
{
    stopRequested = true;

    if (thread.joinable())
        thread.join();

    if (descriptor >= 0)
    {
        // A command sent just before the stop (the uninstaller's kill) still counts.
        receiveWaitingDatagrams();
        ::close (descriptor);
        descriptor = -1;
        removeSocketFile (socketFile);
    }
}

void ControlSocketReceiver::receiveLoop()
{
    while (! stopRequested)
    {
        // Short waits keep the stop prompt.
        pollfd entry { descriptor, POLLIN, 0 };

        if (::poll (&entry, 1, 100) <= 0)
            continue;

        juce::uint8 buffer[16];
        const auto size = ::recv (descriptor, buffer, sizeof (buffer), MSG_DONTWAIT | MSG_TRUNC);
        handleDatagram (buffer, size);
    }
}

void ControlSocketReceiver::receiveWaitingDatagrams()
{
    juce::uint8 buffer[16];

    for (ssize_t size; (size = ::recv (descriptor, buffer, sizeof (buffer), MSG_DONTWAIT | MSG_TRUNC)) >= 0;)
        handleDatagram (buffer, size);
}

void ControlSocketReceiver::handleDatagram (const juce::uint8* data, ssize_t size)
{
    if (size == 1 && data[0] >= 128)
    {
        pushPendingCommand (data[0]);
        return;
    }

    if (size == 1)
        context->warning ("Refused control code " + juce::String ((int) data[0]) + ": commands are codes 128 to 255");
    else if (size > 1)
        context->warning ("Refused a control message of " + juce::String ((juce::int64) size) + " bytes: commands are single bytes");
}
