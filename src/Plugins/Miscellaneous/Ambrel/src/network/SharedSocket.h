#pragma once

#include <juce_core/juce_core.h>
#include <memory>

namespace torvo
{

//==============================================================================
/**
    A connected client socket that one thread reads and writes while another
    may close it to wake that thread. StreamingSocket::close clears the
    socket's host name, so two closes at once free it twice; closes here take
    turns, and the peer's name is read once, before any thread can close.
*/
class SharedSocket
{
public:
    /** Takes a connected socket. */
    explicit SharedSocket (std::unique_ptr<juce::StreamingSocket> connectedSocket);

    /** The socket, for reading and writing; never close it directly. */
    juce::StreamingSocket& get() noexcept          { return *socket; }

    /** The remote host as the socket reported it when it was taken. */
    const juce::String& getPeer() const noexcept   { return peer; }

    /** Closes the socket, which wakes a read or wait on it; any thread may
        call it, as often as it likes. */
    void close();

private:
    std::unique_ptr<juce::StreamingSocket> socket;
    const juce::String peer;
    juce::CriticalSection closeLock;

    JUCE_DECLARE_NON_COPYABLE (SharedSocket)
};

} // namespace torvo
