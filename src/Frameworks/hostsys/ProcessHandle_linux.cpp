#include "hostsys/ProcessHandle.h"
#include "ChildProcesses_linux.h"
#include <climits>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace os
{

ProcessHandle ProcessHandle::open (juce::uint64 processId)
{
    if (processId == 0 || processId > (juce::uint64) INT_MAX)
        return {};

    const auto descriptor = ::syscall (SYS_pidfd_open, (pid_t) processId, 0);
    return descriptor >= 0 ? ProcessHandle (processId, (std::intptr_t) descriptor) : ProcessHandle();
}

bool ProcessHandle::hasEnded() const
{
    if (! isValid())
        return true;

    // A process file descriptor becomes readable when its process ends.
    pollfd entry { (int) native, POLLIN, 0 };

    if (::poll (&entry, 1, 0) <= 0)
        return false;

    // Until it is reaped, an ended child keeps its id, so this reaps no other.
    detail::ChildProcesses::poll ((pid_t) id);
    return true;
}

void ProcessHandle::close() noexcept
{
    if (isValid())
        ::close ((int) std::exchange (native, invalidHandle));
}

} // namespace os
