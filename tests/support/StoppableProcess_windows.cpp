#include "StoppableProcess.h"
#include <windows.h>

struct StoppableProcess::Native
{
    PROCESS_INFORMATION info {};
    bool started = false;
};

StoppableProcess::StoppableProcess (const juce::File& executable, const juce::StringArray& arguments, const juce::File& outputFile)
    : StoppableProcess (executable, arguments, outputFile, true)
{
}

StoppableProcess::StoppableProcess (const juce::File& executable, const juce::StringArray& arguments, const juce::File& outputFile,
                                    bool stoppable)
    : native (std::make_unique<Native>())
{
    SECURITY_ATTRIBUTES inherit { sizeof (SECURITY_ATTRIBUTES), nullptr, TRUE };
    HANDLE output = ::CreateFileW (outputFile.getFullPathName().toWideCharPointer(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup {};
    startup.cb = sizeof (startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    startup.hStdInput = ::GetStdHandle (STD_INPUT_HANDLE);

    juce::String text = executable.getFullPathName().quoted();

    for (auto& argument : arguments)
        text << " " << (argument.containsAnyOf (" \t") ? argument.quoted() : argument);

    std::wstring commandLine = text.toWideCharPointer();

    // A console of its own lets Ctrl+C reach this program alone.
    native->started = ::CreateProcessW (nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                        stoppable ? CREATE_NEW_CONSOLE : 0, nullptr, nullptr, &startup, &native->info) != FALSE;
    ::CloseHandle (output);
}

StoppableProcess::~StoppableProcess()
{
    if (! native->started)
        return;

    if (waitForExit (0) == -1)
        ::TerminateProcess (native->info.hProcess, 1);

    ::CloseHandle (native->info.hThread);
    ::CloseHandle (native->info.hProcess);
}

bool StoppableProcess::isStarted() const noexcept   { return native->started; }

void StoppableProcess::requestStop()
{
    // Joins the program's console for a moment and presses Ctrl+C there,
    // ignoring it in this process.
    ::FreeConsole();

    if (::AttachConsole (native->info.dwProcessId))
    {
        ::SetConsoleCtrlHandler (nullptr, TRUE);
        ::GenerateConsoleCtrlEvent (CTRL_C_EVENT, 0);
        ::Sleep (100);
        ::FreeConsole();
        ::SetConsoleCtrlHandler (nullptr, FALSE);
    }
}

void StoppableProcess::requestInterrupt()
{
    // requestStop already presses Ctrl+C.
    requestStop();
}

int StoppableProcess::waitForExit (int timeoutMs)
{
    if (::WaitForSingleObject (native->info.hProcess, (DWORD) timeoutMs) != WAIT_OBJECT_0)
        return -1;

    DWORD code = 0;
    ::GetExitCodeProcess (native->info.hProcess, &code);
    return (int) code;
}
