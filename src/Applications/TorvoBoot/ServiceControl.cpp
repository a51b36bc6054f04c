#include "ServiceControl.h"
#include "UserSession.h"
#include <deque>
#include <mutex>

namespace
{
    std::mutex pendingCommandsLock;
    std::deque<juce::uint8> pendingCommands;
}

void pushPendingCommand (juce::uint8 code)
{
    const std::lock_guard<std::mutex> lock (pendingCommandsLock);
    pendingCommands.push_back (code);
}

juce::uint8 popPendingCommand()
{
    const std::lock_guard<std::mutex> lock (pendingCommandsLock);

    if (pendingCommands.empty())
        return 0;

    const auto code = pendingCommands.front();
    pendingCommands.pop_front();
    return code;
}

void adoptOwnSession()
{
    exchangeActiveSessionId (getOwnSessionId());
}

void pollActiveSession()
{
    if (! isRunningAsService())
        return;

    const int current = getActiveSessionId();

    if (sessionHasUserToken (current))
        return;

    const int session = getActiveConsoleSessionWithUser();

    if (session != current)
        exchangeActiveSessionId (session);
}
