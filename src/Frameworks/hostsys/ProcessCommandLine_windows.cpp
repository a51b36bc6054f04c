#include "ProcessCommandLine_windows.h"
#include "WindowsHandles_windows.h"
#include <winternl.h>
#include <vector>

namespace os::detail
{

namespace
{
    // The information class that answers a process's command line
    // (Windows 8.1 and later).
    constexpr auto processCommandLineInformation = (PROCESSINFOCLASS) 60;

    std::optional<juce::String> queryCommandLineInformation (DWORD processId)
    {
        const ScopedHandle process (::OpenProcess (PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));

        if (! process.isValid())
            return std::nullopt;

        ULONG size = 0;
        ::NtQueryInformationProcess (process.get(), processCommandLineInformation, nullptr, 0, &size);

        if (size < sizeof (UNICODE_STRING))
            return std::nullopt;

        // UNICODE_STRING wants pointer alignment; the text follows it.
        std::vector<ULONG_PTR> buffer ((size + sizeof (ULONG_PTR) - 1) / sizeof (ULONG_PTR));

        if (! NT_SUCCESS (::NtQueryInformationProcess (process.get(), processCommandLineInformation, buffer.data(), size, &size)))
            return std::nullopt;

        const auto* text = reinterpret_cast<const UNICODE_STRING*> (buffer.data());
        return juce::String (text->Buffer, (size_t) (text->Length / sizeof (wchar_t)));
    }

    template <typename Value>
    bool readMemory (HANDLE process, const void* address, Value& value)
    {
        SIZE_T read = 0;
        return ::ReadProcessMemory (process, address, &value, sizeof (Value), &read) && read == sizeof (Value);
    }

    // Systems without the command-line information class: the text is read
    // from the process's parameters block, which its environment block
    // points to.
    std::optional<juce::String> readFromProcessParameters (DWORD processId)
    {
        const ScopedHandle process (::OpenProcess (PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));

        if (! process.isValid())
            return std::nullopt;

        PROCESS_BASIC_INFORMATION basic {};
        PEB peb {};
        RTL_USER_PROCESS_PARAMETERS parameters {};

        if (! NT_SUCCESS (::NtQueryInformationProcess (process.get(), ProcessBasicInformation, &basic, sizeof (basic), nullptr))
            || ! readMemory (process.get(), basic.PebBaseAddress, peb)
            || ! readMemory (process.get(), peb.ProcessParameters, parameters))
            return std::nullopt;

        std::vector<wchar_t> text (parameters.CommandLine.Length / sizeof (wchar_t) + 1, 0);
        SIZE_T read = 0;

        if (! ::ReadProcessMemory (process.get(), parameters.CommandLine.Buffer, text.data(), parameters.CommandLine.Length, &read))
            return std::nullopt;

        return juce::String (text.data(), (size_t) (read / sizeof (wchar_t)));
    }
}

std::optional<juce::String> readProcessCommandLine (DWORD processId)
{
    if (auto commandLine = queryCommandLineInformation (processId))
        return commandLine;

    return readFromProcessParameters (processId);
}

} // namespace os::detail
