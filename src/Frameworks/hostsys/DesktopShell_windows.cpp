#include "hostsys/Process.h"
#include "SystemFolder_windows.h"
#include <tavcore/ExecutionContext.h>
#include <string>
#include <windows.h>

namespace os
{

namespace
{
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

bool Process::startSystemPreferenceProcess (SystemPreferenceProcess dialog)
{
    const auto [program, arguments] = getDialogCommand (dialog);
    const auto system = detail::getSystemFolder();

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
