#pragma once

#include "device/AmbrelDevice.h"
#include "network/SharedSocket.h"

namespace torvo
{

//==============================================================================
/**
    One accepted client: its socket and the thread that runs the protocol on
    it. The thread starts with the connection (one whose thread cannot start
    is closed and finished at once, so that it is reaped like any other);
    destroying the connection closes the socket and waits for the thread to
    end, which it does at its next look at the exit flag: a thread is never
    killed, since a killed thread leaves locks held and objects half-built.
*/
class AmbrelDevice::Connection : private juce::Thread
{
public:
    Connection (AmbrelDevice& owner, std::unique_ptr<juce::StreamingSocket> clientSocket);
    ~Connection() override;

    /** Asks the thread to end and closes the socket, which wakes a waiting
        read; returns at once. */
    void requestStop();

    /** True once the client loop has ended. */
    bool isFinished() const noexcept   { return finished.load(); }

private:
    void run() override;

    AmbrelDevice& owner;
    SharedSocket socket;
    std::atomic<bool> finished { false };

    JUCE_DECLARE_NON_COPYABLE (Connection)
};

} // namespace torvo
