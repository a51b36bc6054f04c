#include "FrameBuffer.h"
#include <algorithm>

namespace torvo
{

namespace
{
    /** The first block a frame gets, enough for every request but LUTs. */
    constexpr size_t firstBlockSize = 64 * 1024;
}

void FrameBuffer::start (const juce::uint8 (&lengthBytes)[4])
{
    declaredLength = (size_t) juce::ByteOrder::littleEndianInt (lengthBytes);
    jassert (isValidFrameLength ((juce::int32) declaredLength));

    bytes.clear();
    bytes.shrink_to_fit();
    bytes.reserve (std::min (declaredLength, firstBlockSize));
    bytes.assign (lengthBytes, lengthBytes + 4);
    received = 4;
}

juce::uint8* FrameBuffer::prepareSpace (size_t& available)
{
    if (bytes.size() == received && received < declaredLength)
    {
        // Doubling keeps the copies linear in the frame size while never
        // holding more than twice what the client actually sent.
        const auto grown = std::max (received * 2, firstBlockSize);
        const auto target = std::min (declaredLength, grown);
        bytes.reserve (target);
        bytes.resize (target);
    }

    available = bytes.size() - received;
    return bytes.data() + received;
}

void FrameBuffer::release()
{
    bytes.clear();
    bytes.shrink_to_fit();
    declaredLength = received = 0;
}

} // namespace torvo
