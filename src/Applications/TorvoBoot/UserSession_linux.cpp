#include "UserSession.h"
#include "LogindSessions.h"

bool sessionHasUserToken (int sessionId)
{
    // No session notifications reach the service here, so a session counts
    // only while it is in the foreground: a user switch away from it is then
    // caught by the next poll, as a logoff is.
    const auto session = sessionId != -1 ? LogindSessions::findSession (sessionId) : std::nullopt;
    return session.has_value() && session->isActive;
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
