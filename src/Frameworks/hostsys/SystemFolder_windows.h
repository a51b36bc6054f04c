#pragma once

#include <juce_core/juce_core.h>
#include <windows.h>

namespace os::detail
{

/** The system folder (C:\Windows\System32), or an empty File. */
inline juce::File getSystemFolder()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    const auto length = ::GetSystemDirectoryW (buffer, MAX_PATH);
    return length > 0 && length <= MAX_PATH ? juce::File (juce::String (buffer, (size_t) length)) : juce::File();
}

} // namespace os::detail
