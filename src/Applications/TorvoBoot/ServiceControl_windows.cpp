#include "ServiceControl.h"
#include "ServiceControl_windows.h"
#include "TorvoBootClasses.h"
#include "TorvoBootProgram.h"
#include "UserSession.h"
#include <tavcore/ExecutionContext.h>
#include <tavcore/StandardOutputExecutionContextView.h>
#include <tavcore/Thread.h>
#include <atomic>
#include <windows.h>
#include <wtsapi32.h>

namespace
{
    std::atomic<TorvoBootProgram*> currentProgram { nullptr };
    SERVICE_STATUS_HANDLE serviceStatusHandle = nullptr;

    // No lock: stop requests, the only statuses the handler reports, are
    // accepted only after the service main function reported it is running.
    DWORD statusCheckPoint = 1;

    juce::String getOsErrorText()
    {
        return tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false));
    }

    void reportServiceStatus (DWORD state, DWORD waitHintMs)
    {
        if (serviceStatusHandle == nullptr)
            return;

        SERVICE_STATUS status {};
        status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
        status.dwCurrentState = state;
        status.dwControlsAccepted = state == SERVICE_RUNNING ? (SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN | SERVICE_ACCEPT_SESSIONCHANGE) : 0;
        status.dwWin32ExitCode = 0;
        status.dwServiceSpecificExitCode = 0;
        status.dwCheckPoint = (state == SERVICE_RUNNING || state == SERVICE_STOPPED) ? 0 : statusCheckPoint++;
        status.dwWaitHint = waitHintMs;
        ::SetServiceStatus (serviceStatusHandle, &status);
    }

    void trackSessionChange (DWORD eventType, const WTSSESSION_NOTIFICATION* notification)
    {
        if (notification == nullptr)
            return;

        const int session = (int) notification->dwSessionId;

        switch (eventType)
        {
            case WTS_CONSOLE_CONNECT:
            case WTS_SESSION_LOGON:
            case WTS_SESSION_UNLOCK:
                exchangeActiveSessionId (session);
                break;

            case WTS_CONSOLE_DISCONNECT:
            case WTS_SESSION_LOGOFF:
                // Only the session being watched can log off.
                if (getActiveSessionId() == session)
                    exchangeActiveSessionId (-1);
                break;

            default:
                break;
        }
    }

    DWORD WINAPI serviceControlHandler (DWORD control, DWORD eventType, LPVOID eventData, LPVOID)
    {
        switch (control)
        {
            case SERVICE_CONTROL_STOP:
            case SERVICE_CONTROL_SHUTDOWN:
                reportServiceStatus (SERVICE_STOP_PENDING, 30000);

                if (auto* program = currentProgram.load())
                    program->quit (false);

                return NO_ERROR;

            case SERVICE_CONTROL_INTERROGATE:
                return NO_ERROR;

            case SERVICE_CONTROL_SESSIONCHANGE:
                trackSessionChange (eventType, static_cast<const WTSSESSION_NOTIFICATION*> (eventData));
                return NO_ERROR;

            default:
                if (control >= 128 && control <= 255)
                {
                    pushPendingCommand ((juce::uint8) (control & 0xff));
                    return NO_ERROR;
                }

                return ERROR_CALL_NOT_IMPLEMENTED;
        }
    }

    TorvoBootProgram* getCurrentBootProgram()
    {
        auto* program = currentProgram.load();
        const bool isBootProgram = program != nullptr && program->isInstanceOf (TorvoBootProgramClass::instance);
        return isBootProgram ? program : nullptr;
    }
}

//==============================================================================
void WINAPI serviceMain (DWORD argc, LPWSTR* argv)
{
    const juce::String name = (argc > 0 && argv != nullptr && argv[0] != nullptr) ? juce::String (argv[0]) : juce::String ("TorvoBoot");
    auto* program = getCurrentBootProgram();

    // This thread belongs to the service control manager: its messages
    // go where the program's go, into the service's log; without a program
    // there is no log, only the console.
    tav::ExecutionContext ownContext;

    if (program == nullptr)
        ownContext.addView (std::make_unique<tav::StandardOutputExecutionContextView>());

    auto& context = program != nullptr ? program->getExecutionContext() : ownContext;
    tav::ExecutionContext::ScopedCurrent current (context);

    if (program != nullptr)
        program->attachServiceLog();

    serviceStatusHandle = ::RegisterServiceCtrlHandlerExW (name.toWideCharPointer(), &serviceControlHandler, nullptr);

    if (serviceStatusHandle == nullptr)
    {
        // Without a status handle the service manager can never hear that
        // this service stopped, so the dispatcher would wait for ever: the
        // process ends here (the message is in the log already).
        context.error ("RegisterServiceCtrlHandlerExW failed: " + getOsErrorText());
        ::ExitProcess (1);
    }

    reportServiceStatus (SERVICE_START_PENDING, 5000);
    setRunningAsService();

    const int session = getActiveConsoleSessionWithUser();
    exchangeActiveSessionId (session);
    context.information (session == -1 ? juce::String ("No interactive user is logged on at service start")
                                       : "Interactive user already logged on at service start (session " + juce::String (session) + ")");

    if (program != nullptr && program->startServiceThread())
    {
        reportServiceStatus (SERVICE_RUNNING, 0);

        while (currentProgram.load() != nullptr && ! program->isCurrentlyStopping())
            juce::Thread::sleep (200);

        reportServiceStatus (SERVICE_STOP_PENDING, 10000);
        program->stopServiceThread();
    }
    else
    {
        context.error ("Failed to start boot service thread");
    }

    reportServiceStatus (SERVICE_STOPPED, 0);
}

//==============================================================================
bool runServiceDispatcher (TorvoBootProgram* program)
{
    currentProgram = program;
    wchar_t serviceName[] = L"TorvoBoot";
    const SERVICE_TABLE_ENTRYW table[] = { { serviceName, &serviceMain }, { nullptr, nullptr } };

    if (::StartServiceCtrlDispatcherW (table))
        return true;

    const auto errorCode = tav::Thread::getLastOsErrorCode (false);

    // Not started by the service control manager: run interactively, silently.
    if (errorCode != ERROR_FAILED_SERVICE_CONTROLLER_CONNECT)
        tav::ExecutionContext::get().error ("StartServiceCtrlDispatcherW failed: " + tav::Thread::getOsErrorCodeString (errorCode));

    return false;
}

bool openInteractiveCommandChannel (tav::ExecutionContext&)
{
    return false;
}

void closeInteractiveCommandChannel()
{
}
