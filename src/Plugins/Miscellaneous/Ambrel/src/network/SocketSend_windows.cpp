#include "network/SocketSend.h"

namespace torvo
{

int sendWithoutSignal (juce::StreamingSocket& socket, const void* buffer, int numBytes)
{
    // Winsock has no SIGPIPE: a reset peer only makes send fail.
    return socket.write (buffer, numBytes);
}

} // namespace torvo
