#pragma once

#include <juce_core/juce_core.h>
#include <atomic>
#include <memory>
#include <vector>

namespace torvo::attacks
{

//==============================================================================
/** A connection to the loopback port, or nullptr when none was made within 2 s. */
std::unique_ptr<juce::StreamingSocket> connectToLoopback (int port);

/** Sends in chunks, looking at the stop flag between them; false when the
    server closed first, as it does with most of what attackers send. Never
    raises SIGPIPE. */
bool sendAll (juce::StreamingSocket& socket, const void* data, size_t size, const std::atomic<bool>& stopping);

/** Encodes a document and sends it as one frame. */
bool sendDocument (juce::StreamingSocket& socket, const juce::var& document, const std::atomic<bool>& stopping);

/** Reads whatever the server sends until it closes, is silent for waitMs,
    or stopping is set. */
void drain (juce::StreamingSocket& socket, int waitMs, const std::atomic<bool>& stopping);

/** Reads one reply frame (at most 1 MiB); empty when the server closes, is
    silent for waitMs, or stopping is set first. */
std::vector<juce::uint8> readReplyFrame (juce::StreamingSocket& socket, int waitMs, const std::atomic<bool>& stopping);

/** Sleeps for ms in short steps, returning early once stopping is set. */
void holdFor (int ms, const std::atomic<bool>& stopping);

} // namespace torvo::attacks
