#pragma once

#include "network/FrameBudget.h"
#include <juce_core/juce_core.h>
#include <vector>

namespace torvo
{

//==============================================================================
/**
    Collects one request frame as its bytes arrive. Memory grows with the
    bytes received (at most twice what arrived, at least a small first
    block), never with the length the client declared: a client that
    announces a large frame and then sends little costs little. The memory
    beyond a frame's first block (64 KiB) is taken from a budget shared with
    the other connections' frames; the first blocks are bounded by the
    number of clients instead, so that a small request is always read.
*/
class FrameBuffer
{
public:
    /** The smallest frame length a client may declare (an empty document). */
    static constexpr juce::int32 minimumFrameLength = 5;

    /** The largest frame length a client may declare (64 MiB). */
    static constexpr juce::int32 maximumFrameLength = 0x4000000;

    /** True when a declared frame length lies in the accepted range. */
    static bool isValidFrameLength (juce::int32 length) noexcept
    {
        return length >= minimumFrameLength && length <= maximumFrameLength;
    }

    /** A buffer whose memory comes from budget, which must outlive it. */
    explicit FrameBuffer (FrameBudget& budget) noexcept : budget (budget) {}
    ~FrameBuffer();

    /** Starts a frame from its four length bytes (little-endian); the length
        must be valid. Its first block never waits on the budget. */
    bool start (const juce::uint8 (&lengthBytes)[4]);

    /** Room for the next bytes of the frame; grows the buffer when it is full.
        Sets available to the number of bytes that may be written there.
        Nullptr when growing would pass the budget. */
    juce::uint8* prepareSpace (size_t& available);

    /** Marks that many bytes of the prepared space as received. */
    void commit (size_t numBytes) noexcept      { received += numBytes; }

    /** True once the declared length has arrived. */
    bool isComplete() const noexcept            { return received == declaredLength; }

    /** The frame, its length field included. */
    const juce::uint8* getData() const noexcept { return bytes.data(); }

    /** The frame's declared length. */
    size_t getLength() const noexcept           { return declaredLength; }

    /** The bytes received so far (the length field included). */
    size_t getReceived() const noexcept         { return received; }

    /** The memory the buffer holds now. */
    size_t getCapacity() const noexcept         { return bytes.capacity(); }

    /** Frees the memory of the last frame. */
    void release();

private:
    bool reserveWithinBudget (size_t capacity);
    void returnToBudget() noexcept;

    FrameBudget& budget;
    size_t taken = 0, firstBlockTaken = 0;
    std::vector<juce::uint8> bytes;
    size_t declaredLength = 0, received = 0;

    JUCE_DECLARE_NON_COPYABLE (FrameBuffer)
};

} // namespace torvo
