#include "hostsys/ConsoleProcess.h"
#include "WindowsHandles_windows.h"
#include <tavcore/ExecutionContext.h>
#include <vector>

namespace os
{

struct ConsoleProcess::Handle
{
    detail::ScopedHandle process;
};

std::unique_ptr<ConsoleProcess> ConsoleProcess::create (const juce::String& executable, const juce::String& arguments,
                                                        const juce::File& workingDirectory, bool redirectOutput)
{
    // The arguments go through unchanged: the child splits them itself.
    auto commandLine = executable.quoted();

    if (arguments.isNotEmpty())
        commandLine << " " << arguments;

    std::vector<wchar_t> commandLineBuffer (commandLine.toWideCharPointer(),
                                            commandLine.toWideCharPointer() + commandLine.length() + 1);
    const auto directory = workingDirectory.getFullPathName();

    STARTUPINFOW startup {};
    startup.cb = sizeof (startup);
    PROCESS_INFORMATION information {};

    if (! ::CreateProcessW (nullptr, commandLineBuffer.data(), nullptr, nullptr, FALSE,
                            redirectOutput ? CREATE_NO_WINDOW : 0, nullptr,
                            directory.isNotEmpty() ? directory.toWideCharPointer() : nullptr,
                            &startup, &information))
    {
        tav::ExecutionContext::get().error ("Cannot start " + executable
                                            + (directory.isNotEmpty() ? " in " + directory : juce::String())
                                            + ": " + detail::getLastOsErrorText());
        return nullptr;
    }

    ::CloseHandle (information.hThread);
    auto handle = std::make_unique<Handle>();
    handle->process.reset (information.hProcess);
    return std::unique_ptr<ConsoleProcess> (new ConsoleProcess ((juce::uint64) information.dwProcessId, std::move (handle)));
}

ConsoleProcess::ConsoleProcess (juce::uint64 id, std::unique_ptr<Handle> processHandle)
    : processId (id), handle (std::move (processHandle))
{
}

// Closing the handle leaves the process running.
ConsoleProcess::~ConsoleProcess() = default;

bool ConsoleProcess::isRunning() const
{
    return ::WaitForSingleObject (handle->process.get(), 0) == WAIT_TIMEOUT;
}

bool ConsoleProcess::waitForExit (int timeoutMs) const
{
    return ::WaitForSingleObject (handle->process.get(), (DWORD) juce::jmax (0, timeoutMs)) == WAIT_OBJECT_0;
}

int ConsoleProcess::getExitCode() const
{
    DWORD code = 0;

    if (isRunning() || ! ::GetExitCodeProcess (handle->process.get(), &code))
        return -1;

    return (int) code;
}

} // namespace os
