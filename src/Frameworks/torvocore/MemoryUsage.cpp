#include "torvocore/MemoryUsage.h"

namespace torvo
{

juce::String MemoryUsage::describeBytes (juce::uint64 bytes)
{
    constexpr double megabyte = 1024.0 * 1024.0;
    constexpr double gigabyte = 1024.0 * megabyte;

    if ((double) bytes < gigabyte)
        return juce::String ((double) bytes / megabyte, 1) + " MB";

    return juce::String ((double) bytes / gigabyte, 1) + " GB";
}

MemoryUsage::MemoryUsage()
{
    addMemberVariableObject (used, "used");
    addMemberVariableObject (total, "total");
}

MemoryUsage::MemoryUsage (const MemoryUsage& other) : MemoryUsage()
{
    *this = other;
}

MemoryUsage& MemoryUsage::operator= (const MemoryUsage& other)
{
    setBytes (other.used.get(), other.total.get());
    return *this;
}

void MemoryUsage::setBytes (juce::uint64 usedBytes, juce::uint64 totalBytes)
{
    used.set (usedBytes, tav::ChangeCallback::none());
    total.set (totalBytes, tav::ChangeCallback::none());
}

juce::String MemoryUsage::toString() const
{
    if (total.get() == 0)
        return "unknown";

    return describeBytes (used.get()) + " / " + describeBytes (total.get());
}

} // namespace torvo
