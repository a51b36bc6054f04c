#pragma once

#include <tavcore/PositiveInteger.h>

namespace torvo
{

//==============================================================================
/** How much of a memory is in use, in bytes; a total of 0 means the machine
    could not tell. */
class MemoryUsage : public tav::Object
{
public:
    MemoryUsage();

    /** A copy of another usage's values. */
    MemoryUsage (const MemoryUsage& other);

    /** Takes another usage's values. */
    MemoryUsage& operator= (const MemoryUsage& other);

    juce::String getClassName() const override    { return "MemoryUsage"; }

    /** "3.1 GB / 15.6 GB" (MB below one gigabyte), or "unknown" without a total. */
    juce::String toString() const;

    /** A size for people: "120.3 GB", "512.0 MB" (MB below one gigabyte). */
    static juce::String describeBytes (juce::uint64 bytes);

    /** Sets both figures at once, silently. */
    void setBytes (juce::uint64 usedBytes, juce::uint64 totalBytes);

    tav::PositiveInteger used;     /**< bytes in use */
    tav::PositiveInteger total;    /**< bytes in all; 0 when unknown */
};

} // namespace torvo
