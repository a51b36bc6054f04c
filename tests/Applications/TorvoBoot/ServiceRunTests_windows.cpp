#include <gtest/gtest.h>
#include "StoppableProcess.h"
#include "TemporaryFolder.h"
#include "TestProcesses.h"
#include "TestPrograms.h"
#include "Waiting.h"
#include <hostsys/Process.h>
#include <tavcore/StateTextWriter.h>
#include <atomic>
#include <thread>
#include <windows.h>

// TorvoBoot as a real service of the service control manager (Wine's, in the
// tests' private prefix): installed, started, commanded, stopped and removed
// as an administrator would.

namespace
{
    juce::File getLogFile()
    {
        // The service runs under the same Wine user, so its data folder is ours.
        return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
            .getChildFile ("Torvo Boot/logs/TorvoBoot.log");
    }

    juce::File getMachineConfiguration()
    {
        return juce::File::getSpecialLocation (juce::File::commonApplicationDataDirectory).getChildFile ("Torvo/TorvoBoot.configuration");
    }

    bool waitForLog (const juce::String& text, int timeoutMs = 20000)
    {
        return waitForText (getLogFile(), text, timeoutMs, 50);
    }

    int countInLog (const juce::String& text)
    {
        const auto log = getLogFile().loadFileAsString();
        int count = 0;

        for (int i = log.indexOf (text); i >= 0; i = log.indexOf (i + 1, text))
            ++count;

        return count;
    }

    /** Sends a raw control code, as any administrator's tool could. */
    bool sendControlCode (DWORD code)
    {
        const auto manager = ::OpenSCManagerW (nullptr, nullptr, SC_MANAGER_CONNECT);
        const auto service = manager != nullptr ? ::OpenServiceW (manager, L"TorvoBoot", SERVICE_USER_DEFINED_CONTROL) : nullptr;
        SERVICE_STATUS status {};
        const bool sent = service != nullptr && ::ControlService (service, code, &status);

        if (service != nullptr) ::CloseServiceHandle (service);
        if (manager != nullptr) ::CloseServiceHandle (manager);
        return sent;
    }

    /** The service's status as the service control manager reports it. */
    struct Status
    {
        DWORD state = 0, checkPoint = 0, waitHint = 0;
        bool operator== (const Status& other) const  { return state == other.state && checkPoint == other.checkPoint && waitHint == other.waitHint; }
    };

    Status queryStatus()
    {
        const auto manager = ::OpenSCManagerW (nullptr, nullptr, SC_MANAGER_CONNECT);
        const auto service = manager != nullptr ? ::OpenServiceW (manager, L"TorvoBoot", SERVICE_QUERY_STATUS) : nullptr;
        SERVICE_STATUS status {};
        Status result;

        if (service != nullptr && ::QueryServiceStatus (service, &status))
            result = { status.dwCurrentState, status.dwCheckPoint, status.dwWaitHint };

        if (service != nullptr) ::CloseServiceHandle (service);
        if (manager != nullptr) ::CloseServiceHandle (manager);
        return result;
    }

    /** Every distinct status seen while a command runs, polled as fast as possible. */
    std::vector<Status> watchStatusWhile (const juce::String& commandLine, programs::Result& result)
    {
        std::vector<Status> seen { queryStatus() };
        std::atomic<bool> done { false };
        std::thread watcher ([&]
        {
            while (! done)
            {
                const auto status = queryStatus();
                if (! (status == seen.back()))
                    seen.push_back (status);
            }
        });

        result = programs::runSystemProgram (commandLine);
        juce::Thread::sleep (300);
        done = true;
        watcher.join();
        return seen;
    }

    DWORD queryState()
    {
        const auto manager = ::OpenSCManagerW (nullptr, nullptr, SC_MANAGER_CONNECT);
        const auto service = manager != nullptr ? ::OpenServiceW (manager, L"TorvoBoot", SERVICE_QUERY_STATUS) : nullptr;
        SERVICE_STATUS status {};
        const bool queried = service != nullptr && ::QueryServiceStatus (service, &status);

        if (service != nullptr) ::CloseServiceHandle (service);
        if (manager != nullptr) ::CloseServiceHandle (manager);
        return queried ? status.dwCurrentState : 0;
    }

    /** Writes a machine configuration that runs the child, installs the
        service, starts it and waits until it has launched the child. */
    void installAndStart (const juce::File& child, const juce::File& report)
    {
        const auto configuration = getMachineConfiguration();
        configuration.getParentDirectory().createDirectory();
        const auto quoted = [] (const juce::String& text) { return tav::StateTextWriter::formatText (text, true); };
        ASSERT_TRUE (configuration.replaceWithText ("TorvoBootConfiguration {applications = [ManagedApplication {"
                                                    "executablePath = " + quoted (child.getFullPathName())
                                                    + ", arguments = " + quoted (report.getFullPathName().quoted() + " 600000 0")
                                                    + ", restartDelay = 0.2}]}\n"));
        getLogFile().deleteFile();

        const auto installed = programs::run ("TorvoBoot", { "-i" });
        ASSERT_EQ (installed.exitCode, 0) << installed.output;
        EXPECT_TRUE (installed.output.contains ("TorvoBoot daemon installed successfully"));

        const auto started = programs::runSystemProgram ("net start TorvoBoot");
        EXPECT_EQ (started.exitCode, 0) << started.output;
        ASSERT_TRUE (waitForLog ("Interactive user already logged on at service start (session ")) << getLogFile().loadFileAsString();
        ASSERT_TRUE (waitForLog ("Launched ")) << getLogFile().loadFileAsString();
        EXPECT_EQ (queryState(), (DWORD) SERVICE_RUNNING);
    }
}

TEST (WindowsService, InstallsStartsObeysCommandsStopsAndUninstalls)
{
    TemporaryFolder folder;
    const auto child = programs::copyTestChild (folder.get());
    const auto findChildren = [&] { return programs::findAllOf (child); };
    const auto killChildren = [&] { programs::killAllOf (child); };
    const auto configuration = getMachineConfiguration();
    killChildren();
    ASSERT_NO_FATAL_FAILURE (installAndStart (child, folder.get().getChildFile ("child.report")));

    // Killed from outside, the application comes back.
    killChildren();
    ASSERT_TRUE (waitForLog ("exited unexpectedly")) << getLogFile().loadFileAsString();
    for (int i = 0; i < 200 && countInLog ("Launched ") < 2; ++i)
        juce::Thread::sleep (50);
    EXPECT_EQ (countInLog ("Launched "), 2) << getLogFile().loadFileAsString();

    // Killed by command, it stays down until started again.
    EXPECT_EQ (programs::run ("TorvoBoot", { "-c=killApplication", "-a=0" }).exitCode, 0);
    ASSERT_TRUE (waitForLog (") killed")) << getLogFile().loadFileAsString();
    juce::Thread::sleep (1000);
    EXPECT_TRUE (findChildren().empty());

    EXPECT_EQ (programs::run ("TorvoBoot", { "-c=startApplication" }).exitCode, 0);
    for (int i = 0; i < 200 && countInLog ("Launched ") < 3; ++i)
        juce::Thread::sleep (50);
    EXPECT_EQ (countInLog ("Launched "), 3) << getLogFile().loadFileAsString();

    EXPECT_TRUE (sendControlCode (150));
    EXPECT_TRUE (waitForLog ("Received unknown custom command 150"));

    // Stopping goes through stop pending twice (the handler's report, then the
    // service main function's), each seen status in this order.
    programs::Result stopped;
    const auto statuses = watchStatusWhile ("net stop TorvoBoot", stopped);
    EXPECT_EQ (stopped.exitCode, 0) << stopped.output;
    const std::vector<Status> expected { { SERVICE_RUNNING, 0, 0 }, { SERVICE_STOP_PENDING, 2, 30000 },
                                         { SERVICE_STOP_PENDING, 3, 10000 }, { SERVICE_STOPPED, 0, 0 } };
    size_t next = 0;
    for (auto& status : statuses)
    {
        while (next < expected.size() && ! (expected[next] == status))
            ++next;
        EXPECT_LT (next, expected.size()) << "unexpected status " << status.state << " " << status.checkPoint << " " << status.waitHint;
    }
    EXPECT_TRUE (statuses.back() == expected.back());
    EXPECT_NE (std::find (statuses.begin(), statuses.end(), expected[1]), statuses.end()) << "the handler's stop pending";

    // Stopping the service leaves the applications running.
    EXPECT_FALSE (findChildren().empty());

    const auto removed = programs::run ("TorvoBoot", { "-u" });
    EXPECT_EQ (removed.exitCode, 0) << removed.output;
    EXPECT_TRUE (removed.output.contains ("TorvoBoot daemon uninstalled successfully")) << removed.output;
    EXPECT_EQ (queryState(), 0u) << "the service is gone";

    killChildren();
    configuration.deleteFile();
}

// The uninstaller sends its kill and stops the service at once: the kill is
// carried out before the service thread ends.
TEST (WindowsService, UninstallingARunningServiceEndsItsApplications)
{
    TemporaryFolder folder;
    const auto child = programs::copyTestChild (folder.get());
    ASSERT_NO_FATAL_FAILURE (installAndStart (child, folder.get().getChildFile ("child.report")));

    const auto removed = programs::run ("TorvoBoot", { "-u" });
    EXPECT_EQ (removed.exitCode, 0) << removed.output;
    EXPECT_EQ (queryState(), 0u) << "the service is gone";

    for (int i = 0; i < 100 && ! programs::findAllOf (child).empty(); ++i)
        juce::Thread::sleep (50);

    EXPECT_TRUE (programs::findAllOf (child).empty()) << getLogFile().loadFileAsString();
    EXPECT_TRUE (getLogFile().loadFileAsString().contains (") killed")) << getLogFile().loadFileAsString();
    programs::killAllOf (child);
    getMachineConfiguration().deleteFile();
}
