#include "tavcore/ConsoleStopHandler.h"
#include <atomic>
#include <csignal>

namespace tav
{

namespace
{
    std::atomic<bool> stopRequested { false };
    static_assert (std::atomic<bool>::is_always_lock_free, "the flag is set from a signal handler");

    void handleStopSignal (int)
    {
        stopRequested = true;
    }

    void setHandler (int signalNumber, void (*handler) (int))
    {
        struct sigaction action {};
        action.sa_handler = handler;
        sigemptyset (&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction (signalNumber, &action, nullptr);
    }
}

void ConsoleStopHandler::setActive (bool shouldBeActive)
{
    auto* handler = shouldBeActive ? &handleStopSignal : SIG_DFL;
    setHandler (SIGINT, handler);
    setHandler (SIGTERM, handler);
}

bool ConsoleStopHandler::wasStopRequested() noexcept
{
    return stopRequested.load();
}

} // namespace tav
