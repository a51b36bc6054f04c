#pragma once

#include <tavcore/ExecutionContext.h>
#include <atomic>
#include <thread>

//==============================================================================
/**
    Receives TorvoBoot's one-byte command codes on a local datagram socket
    and queues them for the monitor. The socket file is writable by its
    owner only (root for the service), inside a folder only the owner can
    enter. Codes outside 128 to 255, and datagrams of any other length, are
    refused with a warning.
*/
class ControlSocketReceiver
{
public:
    ControlSocketReceiver() = default;
    ~ControlSocketReceiver();

    /** Binds the socket at the control socket path and starts receiving.
        A stale socket file is replaced; a socket another live TorvoBoot is
        receiving on is left alone and false returned. Messages go to context. */
    bool open (tav::ExecutionContext& context);

    /** Stops receiving (within a tenth of a second), queues the commands
        that had arrived but were not read yet, and removes the socket file. */
    void close();

private:
    void receiveLoop();
    void receiveWaitingDatagrams();
    void handleDatagram (const juce::uint8* data, ssize_t size);

    tav::ExecutionContext* context = nullptr;
    int descriptor = -1;
    juce::File socketFile;
    std::atomic<bool> stopRequested { false };
    std::thread thread;

    JUCE_DECLARE_NON_COPYABLE (ControlSocketReceiver)
};
