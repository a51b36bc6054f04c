#include "BootServiceFixture.h"
#include "ServiceControl.h"
#include "TemporaryFolder.h"
#include "TestProcesses.h"
#include "TestPrograms.h"
#include "UserSessionLauncher.h"
#include "Waiting.h"
#include <hostsys/ConsoleProcess.h>
#include <hostsys/Process.h>
#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

// The monitor over the real system: real processes started, watched, killed
// and found again, driven by the real clock as the interactive run drives it.

class RealProcesses : public BootServiceFixture
{
protected:
    void SetUp() override
    {
        BootServiceFixture::SetUp();
        adoptOwnSession();
    }

    void TearDown() override
    {
        killAll();
        BootServiceFixture::TearDown();
    }

    void addChild (const juce::String& arguments)
    {
        addApplication (child.getFullPathName(), [&] (auto& a)
        {
            a.arguments.set (arguments, tav::ChangeCallback::none());
            a.restartDelay.set (0.1, tav::ChangeCallback::none());
        });
    }

    /** Runs updates every 20 ms until the condition holds (true) or the time is up (false). */
    bool runUntil (std::function<bool()> condition, int timeoutMs = 15000)
    {
        tav::ExecutionContext::ScopedCurrent current (context);

        return waitUntil ([&]
        {
            if (condition())
                return true;

            logic->updateItem();
            return false;
        }, timeoutMs, 20);
    }

    int count (const juce::String& text) const
    {
        int n = 0;
        for (auto& line : recorder->getLines())
            n += line.contains (text) ? 1 : 0;
        return n;
    }

    void send (os::TorvoBootCommandIdEnum id, juce::uint8 index)
    {
        pushPendingCommand (os::getTorvoBootControlCode (id, index));
        update();
    }

    /** The process id of the latest "Launched" message, or 0. */
    juce::uint64 lastLaunchedId() const
    {
        const auto lines = recorder->getLines();

        for (int i = lines.size(); --i >= 0;)
            if (lines[i].contains ("Launched "))
                return (juce::uint64) lines[i].fromLastOccurrenceOf ("(pid=", false, false).getLargeIntValue();

        return 0;
    }

    void killAll()
    {
        programs::killAllOf (child);
    }

    TemporaryFolder folder;
    const juce::File child = programs::copyTestChild (folder.get());
};

class RealProcessesEndingAtOnce : public RealProcesses,
                                  public testing::WithParamInterface<const char*> {};

TEST_P (RealProcessesEndingAtOnce, AreRelaunchedAfterEachExit)
{
    addChild (juce::String ("- 0 ") + GetParam());
    initialise();
    EXPECT_TRUE (runUntil ([&] { return count ("exited unexpectedly") >= 3; })) << recorder->getLines().joinIntoString ("\n");
    EXPECT_GE (count ("Launched "), 3);
}

// A clean exit and a crash (a failure exit code) are both unexpected.
INSTANTIATE_TEST_SUITE_P (ExitCodes, RealProcessesEndingAtOnce, testing::Values ("0", "3"));

TEST_F (RealProcesses, AProgramThatCannotStartIsGivenUpAfterItsAttempts)
{
    addApplication ("/nonexistent/program", [] (auto& a)
    {
        a.restartDelay.set (0.05, tav::ChangeCallback::none());
        a.maximumLaunchAttempts.set (3, tav::ChangeCallback::none());
    });
    initialise();

    EXPECT_TRUE (runUntil ([&] { return count ("giving up") == 1; }));
    EXPECT_EQ (count ("Error: Failed to launch /nonexistent/program (attempt "), 2);
    EXPECT_TRUE (record (0).restartSuppressed);
}

TEST_F (RealProcesses, AMissingWorkingDirectoryIsAFailedLaunch)
{
    addApplication (child.getFullPathName(), [] (auto& a)
    {
        a.arguments.set ("- 60000 0", tav::ChangeCallback::none());
        a.workingDirectory.set ("/nonexistent/folder", tav::ChangeCallback::none());
        a.maximumLaunchAttempts.set (1, tav::ChangeCallback::none());
    });
    initialise();

    EXPECT_EQ (count ("Launched "), 0);
    EXPECT_EQ (count ("after 1 attempts, giving up until it is started manually"), 1) << recorder->getLines().joinIntoString ("\n");
}

TEST_F (RealProcesses, TwoApplicationsWithTheSameCommandLineShareOneProcess)
{
    addChild ("- 60000 0 same");
    addChild ("- 60000 0 same");
    initialise();

    EXPECT_EQ (count ("Launched "), 1);
    EXPECT_EQ (count ("already running (pid="), 1);
    EXPECT_NE (record (0).processId, 0u);
    EXPECT_EQ (record (0).processId, record (1).processId);
}

TEST_F (RealProcesses, KilledByCommandItStaysDownAndAHandStartedInstanceIsAdopted)
{
    addChild ("- 60000 0 first");
    addChild ("- 60000 0 second");
    initialise();
    ASSERT_EQ (count ("Launched "), 2);
    const auto firstId = record (0).processId;

    send (os::killApplication, os::allApplicationsIndex);
    EXPECT_EQ (count (") killed"), 2);
    EXPECT_FALSE (os::Process::isProcessRunning (firstId));
    runUntil ([] { return false; }, 500);
    EXPECT_EQ (count ("Launched "), 2) << "killed applications are not relaunched";

    // Started again by hand, the first one is found by the next scan.
    const auto byHand = os::ConsoleProcess::create (child.getFullPathName(), "- 60000 0 first", juce::File::getCurrentWorkingDirectory(), true);
    ASSERT_NE (byHand, nullptr);
    EXPECT_TRUE (runUntil ([&] { return record (0).processId == byHand->getProcessId(); }, 15000));
    EXPECT_EQ (count (" detected running again (pid=" + juce::String (byHand->getProcessId()) + "), resuming monitoring"), 1);
    EXPECT_EQ (record (1).processId, 0u);
}

TEST_F (RealProcesses, ARecycledProcessIdIsNeverTakenForTheWatchedProcess)
{
    // Forcing the kernel to hand out a given id needs root and a writable
    // /proc/sys/kernel/ns_last_pid.
    std::ofstream lastPid ("/proc/sys/kernel/ns_last_pid");
    if (::geteuid() != 0 || ! lastPid)
        GTEST_SKIP() << "cannot choose the next process id here";

    const pid_t watched = ::fork();
    if (watched == 0)
    {
        ::pause();
        ::_exit (0);
    }

    trackProcessHandle ((juce::uint64) watched);
    ASSERT_TRUE (isProcessRunning ((juce::uint64) watched));
    ::kill (watched, SIGKILL);
    ::waitpid (watched, nullptr, 0);

    // Another process now gets the same id.
    lastPid << (watched - 1) << std::flush;
    const pid_t impostor = ::fork();
    if (impostor == 0)
    {
        ::pause();
        ::_exit (0);
    }

    if (impostor != watched)
    {
        ::kill (impostor, SIGKILL);
        ::waitpid (impostor, nullptr, 0);
        GTEST_SKIP() << "the kernel did not reuse the id";
    }

    EXPECT_FALSE (isProcessRunning ((juce::uint64) watched)) << "the watch belongs to the ended process, not the new one";
    ::kill (impostor, SIGKILL);
    ::waitpid (impostor, nullptr, 0);
}

TEST_F (RealProcesses, ALaunchThatGetsTheIdOfAKilledProcessIsWatchedAsTheNewProcess)
{
    std::ofstream lastPid ("/proc/sys/kernel/ns_last_pid");
    if (::geteuid() != 0 || ! lastPid)
        GTEST_SKIP() << "cannot choose the next process id here";

    addChild ("- 60000 0 reused");
    initialise();
    ASSERT_EQ (count ("Launched "), 1);

    // Kill and start again until the new process gets the killed one's id:
    // another process started on the machine meanwhile may take it first.
    bool reused = false;

    for (int attempt = 0; attempt < 100 && ! reused; ++attempt)
    {
        const auto killedId = lastLaunchedId();
        send (os::killApplication, 0);
        ASSERT_EQ (record (0).processId, 0u) << recorder->getLines().joinIntoString ("\n");
        lastPid << (killedId - 1) << std::flush;
        send (os::startApplication, 0);
        reused = lastLaunchedId() == killedId;
    }

    if (! reused)
        GTEST_SKIP() << "the kernel did not hand out the killed process's id again";

    const auto launches = count ("Launched ");
    runUntil ([] { return false; }, 1000);
    EXPECT_EQ (count ("exited unexpectedly"), 0) << recorder->getLines().joinIntoString ("\n");
    EXPECT_EQ (count ("Launched "), launches) << "the new process is not launched twice";
}
