#pragma once

#include "MonitorEnvironment.h"
#include <deque>
#include <functional>
#include <map>
#include <vector>

//==============================================================================
/**
    A scripted world for the monitor: a clock that moves when the test says
    so, a session that logs on and off on demand, and processes that start,
    run and end as the test decides. Every launch and kill is recorded.
*/
class FakeMonitorEnvironment : public MonitorEnvironment
{
public:
    struct Launch
    {
        juce::String executable, arguments, workingDirectory;
        bool showConsole = false;
        bool inUserSession = true;
        double time = 0;
    };

    double now = 1000.0;
    int sessionId = 1;
    std::deque<juce::uint8> commands;
    std::vector<Launch> launches;
    std::vector<juce::uint64> killed;
    bool launchesFail = false;
    bool killsFail = false;
    int sessionPolls = 0;
    std::set<juce::uint64> running;                               // live process ids
    std::map<juce::String, juce::uint64> startedByHand;           // executable -> id findable by discovery
    juce::uint64 nextProcessId = 100;

    double getMillisecondCounter() override   { return now; }
    bool isUserLoggedOn() override            { return sessionId != -1; }
    int getActiveSessionId() override         { return sessionId; }
    void pollActiveSession() override         { ++sessionPolls; }

    juce::uint8 popPendingCommand() override
    {
        if (commands.empty())
            return 0;

        const auto code = commands.front();
        commands.pop_front();
        return code;
    }

    juce::uint64 findRunningProcess (const juce::String& executable, const juce::String&, bool) override
    {
        const auto it = startedByHand.find (executable);
        return it != startedByHand.end() && running.count (it->second) != 0 ? it->second : 0;
    }

    juce::uint64 launchProcess (const juce::String& executable, const juce::String& arguments,
                                const juce::String& workingDirectory, bool showConsole) override
    {
        launches.push_back ({ executable, arguments, workingDirectory, showConsole, true, now });
        return start();
    }

    juce::uint64 launchConsoleProcess (const juce::String& executable, const juce::String& arguments,
                                       const juce::File& workingDirectory) override
    {
        launches.push_back ({ executable, arguments, workingDirectory.getFullPathName(), false, false, now });
        return start();
    }

    bool isProcessRunning (juce::uint64 processId) override  { return running.count (processId) != 0; }

    bool killProcesses (const std::set<juce::uint64>& processIds) override
    {
        if (killsFail)
            return false;

        for (auto id : processIds)
        {
            killed.push_back (id);
            running.erase (id);
        }

        return true;
    }

    /** A process started outside the monitor that discovery will find. */
    juce::uint64 startByHand (const juce::String& executable)
    {
        const auto id = nextProcessId++;
        running.insert (id);
        startedByHand[executable] = id;
        return id;
    }

private:
    juce::uint64 start()
    {
        if (launchesFail)
            return 0;

        const auto id = nextProcessId++;
        running.insert (id);
        return id;
    }
};
