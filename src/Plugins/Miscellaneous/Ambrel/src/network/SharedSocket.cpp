#include "network/SharedSocket.h"

namespace torvo
{

SharedSocket::SharedSocket (std::unique_ptr<juce::StreamingSocket> connectedSocket)
    : socket (std::move (connectedSocket)), peer (socket->getHostName())
{
}

void SharedSocket::close()
{
    const juce::ScopedLock sl (closeLock);
    socket->close();
}

} // namespace torvo
