#include "tavcore/Thread.h"
#include <cerrno>
#include <cstring>

namespace tav
{

juce::uint32 Thread::getLastOsErrorCode (bool clear)
{
    const auto code = (juce::uint32) errno;

    if (clear)
        errno = 0;

    return code;
}

juce::String Thread::getOsErrorCodeString (juce::uint32 errorCode)
{
    char buffer[256] = {};
    // The GNU strerror_r returns the text, which may or may not be the buffer.
    const char* text = strerror_r ((int) errorCode, buffer, sizeof (buffer));
    return juce::String (text) + " (" + juce::String (errorCode) + ")";
}

} // namespace tav
