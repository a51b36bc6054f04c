#pragma once

#include <juce_core/juce_core.h>
#include <atomic>

namespace torvo
{

//==============================================================================
/**
    The memory that all connections' request frames may hold together beyond
    their first blocks (64 KiB each, bounded by the client limit: 4 MiB for
    64 clients). A frame takes its share before its buffer grows past its
    first block; a share that would pass the limit is refused, and the
    frame's connection is closed unanswered, as for an over-long frame.
    Thread-safe.
*/
class FrameBudget
{
public:
    /** The default limit: one 64 MiB frame while its buffer grows (the old
        32 MiB block and the new 64 MiB one), with room for every other
        client's small frames besides. */
    static constexpr size_t defaultLimit = (size_t) 128 * 1024 * 1024;

    explicit FrameBudget (size_t limitBytes = defaultLimit) noexcept : limit (limitBytes) {}

    /** Takes bytes from the budget; false, taking nothing, when they would pass the limit. */
    bool tryTake (size_t bytes) noexcept;

    /** Returns bytes taken earlier. */
    void give (size_t bytes) noexcept                { inUse -= bytes; }

    /** Changes the limit, as tests do; shares already taken are kept. */
    void setLimit (size_t newLimit) noexcept         { limit = newLimit; }

    /** Records a frame's first block, which is never refused. */
    void takeFirstBlock (size_t bytes) noexcept      { firstBlocks += bytes; }

    /** Returns a first block recorded earlier. */
    void giveFirstBlock (size_t bytes) noexcept      { firstBlocks -= bytes; }

    /** The bytes held now, first blocks included. */
    size_t getInUse() const noexcept                 { return inUse.load() + firstBlocks.load(); }

    /** The most bytes ever taken from the limit at once (first blocks apart). */
    size_t getPeak() const noexcept                  { return peak.load(); }

private:
    std::atomic<size_t> limit, inUse { 0 }, peak { 0 }, firstBlocks { 0 };

    JUCE_DECLARE_NON_COPYABLE (FrameBudget)
};

} // namespace torvo
