#include "hostsys/ProcessHandle.h"
#include <windows.h>

namespace os
{

namespace
{
    HANDLE toHandle (std::intptr_t native) noexcept    { return reinterpret_cast<HANDLE> (native); }
}

ProcessHandle ProcessHandle::open (juce::uint64 processId)
{
    if (processId == 0 || processId > 0xFFFFFFFFull)
        return {};

    const HANDLE process = ::OpenProcess (SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, (DWORD) processId);
    return process != nullptr ? ProcessHandle (processId, reinterpret_cast<std::intptr_t> (process)) : ProcessHandle();
}

bool ProcessHandle::hasEnded() const
{
    // The handle is signalled once the process has ended. Its exit code
    // cannot tell: a process may exit with STILL_ACTIVE (259) itself.
    return ! isValid() || ::WaitForSingleObject (toHandle (native), 0) == WAIT_OBJECT_0;
}

void ProcessHandle::close() noexcept
{
    if (isValid())
        ::CloseHandle (toHandle (std::exchange (native, invalidHandle)));
}

} // namespace os
