#pragma once

#include "device/ChannelState.h"
#include "network/FrameBudget.h"
#include <torvocore/ControlDevice.h>
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace torvo
{

struct GradingSession;
class FrameBuffer;

//==============================================================================
/**
    The grading device: it listens for the grading application on TCP (port
    8089 unless the environment variable AMBREL_PORT names another), serves
    each client on a thread of its own, and keeps the grading channels that
    colour modifiers hold and the protocol writes.

    Locks, where they nest, are taken in the order listenerLock,
    connectionsLock, channelLock; no notification is sent while channelLock is
    held.
*/
class AmbrelDevice : public ControlDevice,
                     private juce::Thread
{
public:
    /** How far the grading application follows a channel. */
    enum class PickupState
    {
        NoClient = 0,       /**< no client has completed hello */
        NotPickedUp = 1,    /**< clients are there, but none announced the channel */
        PickedUp = 2        /**< a client's last hello announced the channel */
    };

    /** The port the grading application connects to. */
    static constexpr int defaultPort = 8089;

    /** How many clients are served at once; more are accepted and closed at
        once. Far above what a grading session uses, far below the
        descriptors a host process has. */
    static constexpr int defaultClientLimit = 64;

    /** How long a frame that has begun may wait for its next byte. */
    static constexpr int defaultPartialFrameTimeoutMs = 30000;

    AmbrelDevice();
    explicit AmbrelDevice (const DeviceIdentifier& identifier);
    ~AmbrelDevice() override;

    juce::String getClassName() const override    { return "AmbrelDevice"; }

    //==============================================================================
    /** Starts listening; a failed bind shows in the status and does not fail the device. */
    bool initializeDevice() override;

    /** Closes the listener and every client connection. */
    void deinitializeDevice() override;

    /** Keeps the listener alive (rebinds after a stall, retries a failed bind
        every 2 s) and publishes the status, which also says when clients are
        being refused until one leaves. */
    void update (const FrameInformation& frame) override;

    bool sendsNotificationsFromOwnThreads() const override    { return true; }

    //==============================================================================
    /** Holds a channel, creating it with initial values when absent. An empty
        name is replaced by the first free "channel-N", which the caller keeps. */
    std::shared_ptr<ChannelState> acquireChannel (juce::String& name);

    /** Lets go of a channel; the last holder removes it from the table. */
    void releaseChannel (const juce::String& name);

    /** "channel-" + n for the smallest n that names no channel. */
    juce::String makeDefaultChannelName() const;

    /** Copies the CDL when its version differs from seenVersion, which then follows it. */
    bool readCdlIfChanged (const ChannelState& state, juce::uint64& seenVersion, CdlValues& cdl) const;

    /** Copies the LUT when its version differs from seenVersion, which then follows it. */
    bool readLutIfChanged (const ChannelState& state, juce::uint64& seenVersion,
                           std::vector<juce::uint8>& lutData, juce::int32& lutSize) const;

    /** The sum of the CDL and LUT versions. */
    juce::int64 channelVersionSum (const ChannelState& state) const;

    /** True when a LUT arrived after the last CDL. */
    bool isLutActive (const ChannelState& state) const;

    /** Whether the grading application follows a channel. */
    PickupState channelPickupState (const juce::String& name) const;

    /** The number of clients that completed hello. */
    juce::int32 getHandshakenClientCount() const;

    //==============================================================================
    /** Writes a CDL into every named channel, in one pass under the channel
        lock. When a name is no channel, nothing changes and the first such
        name is returned. */
    std::optional<juce::String> writeCdl (const juce::StringArray& channels, const CdlValues& cdl);

    /** Writes a LUT (size³ texels of four floats, copied into each channel)
        into every named channel, as writeCdl does. */
    std::optional<juce::String> writeLut (const juce::StringArray& channels,
                                          const std::vector<juce::uint8>& texels, juce::int32 size);

    /** Counts a session that completed hello (once), moves its share of the
        pickup counts to the channels in use now, and returns their names in
        ascending order. */
    juce::StringArray pickUpChannelsInUse (GradingSession& session);

    /** Gives back a session's share of the counts as its connection ends,
        and announces the disconnect when the session was counted. */
    void removeSessionShare (const GradingSession& session);

    /** Announces a session event (connect, disconnect, stall) to the listeners. */
    void sendSessionNotification (const juce::String& text);

    /** True when no thread but perhaps the caller holds the channel lock (it
        is recursive); tests ask from another thread whether a notification
        arrives under it. */
    bool isChannelLockFreeForTesting() const;

    //==============================================================================
    /** The TCP port; changing it takes effect at the next (re)bind. */
    int getListenPort() const noexcept                        { return listenPort.load(); }

    /** Chooses another TCP port, as tests do. */
    void setListenPort (int newPort) noexcept                 { listenPort = newPort; }

    /** The port to use when nothing else is said: AMBREL_PORT or 8089. */
    static int getConfiguredPort();

    /** Changes how many clients are served at once, as tests do. */
    void setClientLimit (int newLimit) noexcept               { clientLimit = newLimit; }

    /** Changes how long a begun frame may wait for its next byte (a
        connection idle between frames may wait for ever), as tests do. */
    void setPartialFrameTimeout (int newTimeoutMs) noexcept   { partialFrameTimeoutMs = newTimeoutMs; }

    /** The memory all connections' request frames share; a frame that would
        pass it closes its connection unanswered. */
    FrameBudget& getFrameBudget() noexcept                    { return frameBudget; }

    /** Makes each connection pause before it handles a frame, without looking
        at its exit flag, as a long decode would; only tests set it. */
    void setFrameHandlingDelayForTesting (int delayMs) noexcept  { frameHandlingDelayMs = delayMs; }

    /** Makes the thread of the next accepted connection fail to start, as it
        does when the process runs out of threads; only tests call it. */
    void failNextConnectionThreadForTesting() noexcept        { failNextConnectionThread = true; }

private:
    class Connection;

    //==============================================================================
    void run() override;
    void startListener();
    void stopListenerForRebind();
    void shutdownNetwork();
    void serviceListener();
    void publishListenerStatus (juce::int32 clientCount);
    juce::String describeRefusal() const;
    void reapFinishedConnections();
    void stopListenerThread();
    void stopConnections();
    void acceptConnections (juce::StreamingSocket& listener);
    void admitConnection (std::unique_ptr<juce::StreamingSocket> clientSocket);

    void runClient (juce::StreamingSocket& socket, const juce::String& peer, juce::Thread& thread);

    template <typename Write>
    std::optional<juce::String> writeChannels (const juce::StringArray& channels, Write&& write);

    //==============================================================================
    juce::CriticalSection listenerLock;
    std::unique_ptr<juce::StreamingSocket> listenSocket;
    bool bindFailed = false;
    juce::uint32 lastListenRetryMs = 0;
    std::atomic<bool> acceptStalled { false };
    FrameBudget frameBudget;
    juce::CriticalSection connectionsLock;
    std::vector<std::unique_ptr<Connection>> connections;
    std::atomic<bool> refusingClients { false };
    std::atomic<int> clientLimit { defaultClientLimit };
    std::atomic<int> partialFrameTimeoutMs { defaultPartialFrameTimeoutMs };
    std::atomic<int> frameHandlingDelayMs { 0 };
    std::atomic<bool> failNextConnectionThread { false };

    /** The tables guarded by channelLock. */
    struct ChannelTables
    {
        std::map<juce::String, std::shared_ptr<ChannelState>> channelStates;
        juce::int32 handshakenClientCount = 0;
        std::map<juce::String, juce::int32> pickedUpChannels;
    };

    mutable juce::CriticalSection channelLock;
    ChannelTables tables;

    std::atomic<int> listenPort { getConfiguredPort() };
};

} // namespace torvo
