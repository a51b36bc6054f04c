#include "ChildProcesses_linux.h"
#include <cerrno>
#include <map>
#include <mutex>
#include <optional>
#include <sys/wait.h>

namespace os::detail
{

namespace
{
    std::mutex lock;
    std::map<pid_t, std::optional<int>> keptExitCodes;   // nullopt while still running

    int toExitCode (int status) noexcept
    {
        if (WIFEXITED (status))
            return WEXITSTATUS (status);

        if (WIFSIGNALED (status))
            return 128 + WTERMSIG (status);

        return -1;
    }
}

void ChildProcesses::keepExitCode (pid_t pid)
{
    const std::lock_guard<std::mutex> guard (lock);
    keptExitCodes.emplace (pid, std::nullopt);
}

void ChildProcesses::forget (pid_t pid)
{
    const std::lock_guard<std::mutex> guard (lock);
    keptExitCodes.erase (pid);
}

ChildProcesses::State ChildProcesses::poll (pid_t pid)
{
    if (pid <= 0)
        return State::notAChild;

    const std::lock_guard<std::mutex> guard (lock);
    const auto kept = keptExitCodes.find (pid);

    if (kept != keptExitCodes.end() && kept->second.has_value())
        return State::ended;

    int status = 0;
    pid_t result = 0;

    do
        result = ::waitpid (pid, &status, WNOHANG);
    while (result < 0 && errno == EINTR);

    if (result == 0)
        return State::running;

    if (result == pid)
    {
        if (kept != keptExitCodes.end())
            kept->second = toExitCode (status);

        return State::ended;
    }

    return State::notAChild;
}

int ChildProcesses::getExitCode (pid_t pid)
{
    const std::lock_guard<std::mutex> guard (lock);
    const auto kept = keptExitCodes.find (pid);
    return kept != keptExitCodes.end() && kept->second.has_value() ? *kept->second : -1;
}

} // namespace os::detail
