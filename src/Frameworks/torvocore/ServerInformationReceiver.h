#pragma once

#include "torvocore/TorvoServerInformation.h"
#include <memory>

namespace torvo
{

//==============================================================================
/**
    Listens on a loopback UDP port for the server's status datagrams
    (ServerInformationPacket) on a thread of its own, and keeps the last
    record that decoded together with the time it arrived. Datagrams that do
    not decode are counted and the last reason kept; they change nothing.

    stop() (and the destructor) end the thread within a fraction of a second.
*/
class ServerInformationReceiver
{
public:
    ServerInformationReceiver();
    ~ServerInformationReceiver();

    /** Binds to address (an IPv4 address of this machine) on port (0: a
        free port, see getPort()) and starts listening; fails with the reason
        when the port cannot be had. */
    juce::Result start (int port, const juce::String& address = "127.0.0.1");

    /** Stops listening and closes the port; what was received is kept. */
    void stop();

    /** True between a successful start() and stop(). */
    bool isListening() const;

    /** The port listened on, or -1 when not listening. */
    int getPort() const;

    //==============================================================================
    /** Copies the last accepted record into information and its arrival
        time (milliseconds since 1970, as juce::Time::currentTimeMillis)
        into arrivalTime; false, leaving both alone, when none arrived yet. */
    bool getLatest (TorvoServerInformation& information, juce::int64& arrivalTime) const;

    /** The arrival time of the last accepted record, or 0 when none arrived. */
    juce::int64 getLastArrivalTime() const;

    /** The number of records accepted so far. */
    juce::uint64 getNumAccepted() const;

    /** The number of datagrams refused so far. */
    juce::uint64 getNumRefused() const;

    /** Why the last refused datagram was refused (empty when none was). */
    juce::String getLastRefusal() const;

private:
    class ListeningThread;

    void accept (const TorvoServerInformation& information);
    void refuse (const juce::String& reason);

    mutable juce::CriticalSection lock;
    TorvoServerInformation latest;
    juce::int64 arrivalTime = 0;
    juce::uint64 numAccepted = 0, numRefused = 0;
    juce::String lastRefusal;
    std::unique_ptr<ListeningThread> thread;

    JUCE_DECLARE_NON_COPYABLE (ServerInformationReceiver)
};

} // namespace torvo
