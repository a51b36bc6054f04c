#pragma once

#include <juce_core/juce_core.h>

// Who is logged on, as the service sees it. The session id and the
// running-as-service flag are process-wide: the service control handler, the
// service main function and the monitor share them.

/** The logged-on interactive user's session id, or -1 for nobody. */
int getActiveSessionId();

/** Stores a new session id (-1 for nobody) and returns the previous one. */
int exchangeActiveSessionId (int newSessionId);

/** True while a user is logged on. */
bool isUserLoggedOn();

/** True once the service main function has taken over. */
bool isRunningAsService();

/** Marks the process as running as a service. */
void setRunningAsService();

/** True when a user's credentials can be had for a session (false for -1). */
bool sessionHasUserToken (int sessionId);

/** The session of the user at the machine's console (Linux: the active
    graphical session of seat0), or -1 when no user is logged on there. */
int getActiveConsoleSessionWithUser();

/** The session the calling process runs in, or 0 when it cannot be told. */
int getOwnSessionId();
