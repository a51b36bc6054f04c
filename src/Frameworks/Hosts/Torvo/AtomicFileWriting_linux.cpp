#include "AtomicFileWriting.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace atomicfiles
{

juce::Result replaceWith (const juce::File& temporary, const juce::File& target)
{
    // rename() replaces an existing target atomically on one file system.
    if (std::rename (temporary.getFullPathName().toRawUTF8(), target.getFullPathName().toRawUTF8()) != 0)
        return juce::Result::fail ("cannot replace the file (" + juce::String (std::strerror (errno)) + ")");

    return juce::Result::ok();
}

} // namespace atomicfiles
