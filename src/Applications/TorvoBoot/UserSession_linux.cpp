#include "UserSession.h"
#include "LogindSessions.h"

bool sessionHasUserToken (int sessionId)
{
    return sessionId != -1 && LogindSessions::findSession (sessionId).has_value();
}

int getActiveConsoleSessionWithUser()
{
    const auto session = LogindSessions::findActiveSessionOfSeat ("seat0");
    return session.has_value() ? session->id : -1;
}

int getOwnSessionId()
{
    return LogindSessions::getOwnSessionId();
}
