#include "UserSession.h"
#include <atomic>

namespace
{
    // 0xFFFFFFFF reads as -1: nobody logged on.
    std::atomic<juce::uint32> activeSessionId { 0xffffffffu };
    std::atomic<bool> runningAsService { false };
}

int getActiveSessionId()
{
    return (int) activeSessionId.load();
}

int exchangeActiveSessionId (int newSessionId)
{
    return (int) activeSessionId.exchange ((juce::uint32) newSessionId);
}

bool isUserLoggedOn()
{
    return getActiveSessionId() != -1;
}

bool isRunningAsService()
{
    return runningAsService.load();
}

void setRunningAsService()
{
    runningAsService.exchange (true);
}
