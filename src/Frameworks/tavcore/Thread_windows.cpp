#include "tavcore/Thread.h"
#include <windows.h>

namespace tav
{

juce::uint32 Thread::getLastOsErrorCode (bool clear)
{
    const auto code = (juce::uint32) ::GetLastError();

    if (clear)
        ::SetLastError (0);

    return code;
}

juce::String Thread::getOsErrorCodeString (juce::uint32 errorCode)
{
    wchar_t* buffer = nullptr;
    const auto length = ::FormatMessageW (FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, errorCode, 0, reinterpret_cast<wchar_t*> (&buffer), 0, nullptr);
    juce::String text;

    if (length > 0 && buffer != nullptr)
        text = juce::String (buffer, (size_t) length).trim();

    if (buffer != nullptr)
        ::LocalFree (buffer);

    if (text.isEmpty())
        text = "Unknown error";

    return text + " (" + juce::String (errorCode) + ")";
}

} // namespace tav
