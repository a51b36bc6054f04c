#include "hostsys/Process.h"
#include <tavcore/ExecutionContext.h>
#include <string>
#include <windows.h>

namespace os
{

namespace
{
    juce::File getSystemFolder()
    {
        wchar_t buffer[MAX_PATH + 1] = {};
        const auto length = ::GetSystemDirectoryW (buffer, MAX_PATH);
        return length > 0 && length <= MAX_PATH ? juce::File (juce::String (buffer, (size_t) length)) : juce::File();
    }

    /** The command line of each dialog, after the system folder's program. */
    std::pair<juce::String, juce::String> getDialogCommand (SystemPreferenceProcess dialog)
    {
        switch (dialog)
        {
            case SystemPreferenceProcess::controlPanel:                 return { "control.exe", {} };
            case SystemPreferenceProcess::systemProperties:             return { "control.exe", "sysdm.cpl" };
            case SystemPreferenceProcess::systemEnvironmentVariables:   return { "rundll32.exe", "sysdm.cpl,EditEnvironmentVariables" };
        }

        return {};
    }
}

juce::File Process::getSystemUserDirectory()
{
    const auto overridden = juce::SystemStats::getEnvironmentVariable ("TORVO_SYSTEM_USER_DIRECTORY", {});

    if (overridden.isNotEmpty())
        return juce::File::getCurrentWorkingDirectory().getChildFile (overridden);

    // Services run as LocalSystem, whose profile lies in the system folder.
    const auto system = getSystemFolder();
    return system == juce::File() ? juce::File() : system.getChildFile ("config\\systemprofile");
}

bool Process::startSystemPreferenceProcess (SystemPreferenceProcess dialog)
{
    const auto [program, arguments] = getDialogCommand (dialog);
    const auto system = getSystemFolder();

    if (program.isEmpty() || system == juce::File())
    {
        ::SetLastError (ERROR_INVALID_PARAMETER);
        return false;
    }

    const auto commandText = system.getChildFile (program).getFullPathName().quoted() + (arguments.isEmpty() ? "" : " " + arguments);
    // CreateProcessW may write into its command line.
    std::wstring commandLine (commandText.toWideCharPointer());
    STARTUPINFOW startup {};
    startup.cb = sizeof (startup);
    PROCESS_INFORMATION process {};

    if (! ::CreateProcessW (nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;

    ::CloseHandle (process.hThread);
    ::CloseHandle (process.hProcess);
    return true;
}

bool Process::revealToUser (const juce::File& file)
{
    // Explorer opens the folder with the file selected.
    file.revealToUser();
    return true;
}

} // namespace os
