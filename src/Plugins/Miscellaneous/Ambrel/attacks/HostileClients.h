#pragma once

#include <juce_core/juce_core.h>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace torvo::attacks
{

//==============================================================================
/** The ways a hostile or broken client treats the grading port. */
enum class Attack
{
    manyNames,          ///< a 2 MiB frame of distinct-name elements
    nullArrays,         ///< frames of huge null arrays, several clients at once, up to the memory budget
    idleConnections,    ///< more connections than the client limit, all silent
    stalledFrame,       ///< a frame that begins and stops arriving
    garbageAndResets,   ///< bytes that are no frame, and connections dropped mid-frame
    repeatedChannel,    ///< a setLUT naming one channel as often as a request admits
    unsafeNumbers       ///< NaN, infinities and huge numbers wherever a number goes
};

/** Every attack, in the order above. */
std::vector<Attack> allAttacks();

/** A short name of an attack, for messages. */
juce::String getAttackName (Attack attack);

/** How hard the attacks push, scaled to what the server was told to bear. */
struct AttackSettings
{
    int port = 0;                       /**< the server's port on the loopback interface */
    int clientLimit = 64;               /**< the server's client limit: idle connections go past it */
    size_t nullArrayFrameBytes = 0;     /**< each null-array frame's size; 0: 2 MiB */
    int nullArrayClients = 4;           /**< how many clients send null arrays at once */
    juce::String channel;               /**< a channel in use, which the repeated-channel attack names */
};

//==============================================================================
/**
    Plays attacks against a server on threads of its own, each over and over,
    until stopped. Each attacker opens its own connections and closes every
    one of them before it stops, so that the server's descriptors can be
    checked afterwards.
*/
class HostileClients
{
public:
    /** Starts one attacker per attack (the null arrays, as many as the settings say). */
    HostileClients (const AttackSettings& settings, const std::vector<Attack>& attacks);

    /** Stops the attackers. */
    ~HostileClients();

    /** Asks every attacker to end and waits until each has closed its connections. */
    void stop();

    /** How many times the attacks were played in all. */
    int getRounds() const noexcept              { return rounds.load(); }

private:
    void play (Attack attack);
    void playOnce (Attack attack);

    const AttackSettings settings;
    const std::vector<juce::uint8> manyNamesFrame, nullArrayFrame;
    std::atomic<bool> stopping { false };
    std::atomic<int> rounds { 0 };
    std::vector<std::thread> threads;

    JUCE_DECLARE_NON_COPYABLE (HostileClients)
};

} // namespace torvo::attacks
