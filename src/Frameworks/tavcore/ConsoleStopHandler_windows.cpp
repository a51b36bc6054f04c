#include "tavcore/ConsoleStopHandler.h"
#include <atomic>
#include <windows.h>

namespace tav
{

namespace
{
    std::atomic<bool> stopRequested { false };

    BOOL WINAPI handleConsoleControl (DWORD controlType)
    {
        switch (controlType)
        {
            case CTRL_C_EVENT:
            case CTRL_BREAK_EVENT:
            case CTRL_CLOSE_EVENT:
                stopRequested = true;

                // Closing the console ends the process when the handler
                // returns: give the program a moment to stop in order.
                if (controlType == CTRL_CLOSE_EVENT)
                    ::Sleep (2000);

                return TRUE;

            default:
                return FALSE;
        }
    }
}

void ConsoleStopHandler::setActive (bool shouldBeActive)
{
    ::SetConsoleCtrlHandler (&handleConsoleControl, shouldBeActive ? TRUE : FALSE);
}

bool ConsoleStopHandler::wasStopRequested() noexcept
{
    return stopRequested.load();
}

} // namespace tav
