#include "UserSession.h"
#include <windows.h>
#include <wtsapi32.h>

bool sessionHasUserToken (int sessionId)
{
    if (sessionId == -1)
        return false;

    HANDLE token = nullptr;

    if (! ::WTSQueryUserToken ((ULONG) sessionId, &token))
        return false;

    ::CloseHandle (token);
    return true;
}

int getActiveConsoleSessionWithUser()
{
    const DWORD session = ::WTSGetActiveConsoleSessionId();

    if (session == 0xffffffff || ! sessionHasUserToken ((int) session))
        return -1;

    return (int) session;
}

int getOwnSessionId()
{
    DWORD session = 0;
    return ::ProcessIdToSessionId (::GetCurrentProcessId(), &session) ? (int) session : 0;
}
