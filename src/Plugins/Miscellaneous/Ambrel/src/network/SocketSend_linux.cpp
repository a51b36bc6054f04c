#include "network/SocketSend.h"
#include <sys/socket.h>

namespace torvo
{

int sendWithoutSignal (juce::StreamingSocket& socket, const void* buffer, int numBytes)
{
    const auto handle = socket.getRawSocketHandle();

    if (handle < 0)
        return -1;

    // The host may run with SIGPIPE at its default action; MSG_NOSIGNAL
    // turns a write to a reset connection into an ordinary EPIPE.
    return (int) ::send (handle, buffer, (size_t) numBytes, MSG_NOSIGNAL);
}

} // namespace torvo
