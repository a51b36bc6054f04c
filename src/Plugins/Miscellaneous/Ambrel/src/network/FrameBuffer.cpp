#include "network/FrameBuffer.h"
#include <algorithm>

namespace torvo
{

namespace
{
    /** The first block a frame gets, enough for every request but LUTs. */
    constexpr size_t firstBlockSize = 64 * 1024;
}

FrameBuffer::~FrameBuffer()
{
    release();
}

bool FrameBuffer::start (const juce::uint8 (&lengthBytes)[4])
{
    release();
    declaredLength = (size_t) juce::ByteOrder::littleEndianInt (lengthBytes);
    jassert (isValidFrameLength ((juce::int32) declaredLength));

    if (! reserveWithinBudget (std::min (declaredLength, firstBlockSize)))
        return false;

    bytes.assign (lengthBytes, lengthBytes + 4);
    received = 4;
    return true;
}

juce::uint8* FrameBuffer::prepareSpace (size_t& available)
{
    available = 0;

    if (bytes.size() == received && received < declaredLength)
    {
        // Doubling keeps the copies linear in the frame size while never
        // holding more than twice what the client actually sent.
        const auto grown = std::max (received * 2, firstBlockSize);
        const auto target = std::min (declaredLength, grown);

        if (! reserveWithinBudget (target))
            return nullptr;

        bytes.resize (target);
    }

    available = bytes.size() - received;
    return bytes.data() + received;
}

void FrameBuffer::release()
{
    bytes.clear();
    bytes.shrink_to_fit();
    returnToBudget();
    declaredLength = received = 0;
}

bool FrameBuffer::reserveWithinBudget (size_t capacity)
{
    if (capacity <= bytes.capacity())
        return true;

    // A first block is never refused: the client limit bounds what those
    // hold (64 KiB each), and a small request such as a ping must not wait
    // on, or be closed for, the large frames of other clients.
    if (capacity <= firstBlockSize)
    {
        bytes.reserve (capacity);
        returnToBudget();
        budget.takeFirstBlock (capacity);
        firstBlockTaken = capacity;
        return true;
    }

    // The old block lives on while it is copied into the new one, so both
    // count until the copy is done.
    if (! budget.tryTake (capacity))
        return false;

    bytes.reserve (capacity);
    returnToBudget();
    taken = capacity;
    return true;
}

void FrameBuffer::returnToBudget() noexcept
{
    budget.give (taken);
    budget.giveFirstBlock (firstBlockTaken);
    taken = firstBlockTaken = 0;
}

} // namespace torvo
