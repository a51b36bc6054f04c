#include <gtest/gtest.h>
#include "TemporaryFolder.h"
#include "TestProcesses.h"
#include "TestPrograms.h"
#include "Waiting.h"
#include "ProcessWatchTable.h"
#include "UserSessionLauncher.h"
#include <hostsys/ConsoleProcess.h>

// Watches of real processes: a watch must end with its process, so that a
// process id handed out again is never taken for the process that had it.

namespace
{
    class ProcessWatches : public testing::Test
    {
    protected:
        void TearDown() override                   { programs::killAllOf (child); }

        /** The test child once it has started: it sleeps sleepMs and then
            exits with exitCode. Children of one tag share their command line. */
        std::unique_ptr<os::ConsoleProcess> start (int sleepMs, int exitCode, const juce::String& tag = "child")
        {
            auto process = os::ConsoleProcess::create (child.getFullPathName(), argumentsOf (sleepMs, exitCode, tag), folder.get(), true);

            // Killed in the middle of its start, a child can leave Wine's
            // console host behind, which holds the tests' output open.
            const auto report = getReport (tag);
            return process != nullptr && waitForFile (report) && report.deleteFile() ? std::move (process) : nullptr;
        }

        juce::String argumentsOf (int sleepMs, int exitCode, const juce::String& tag) const
        {
            return getReport (tag).getFullPathName().quoted() + " " + juce::String (sleepMs) + " " + juce::String (exitCode);
        }

        juce::File getReport (const juce::String& tag) const    { return folder.get().getChildFile ("report-" + tag); }

        TemporaryFolder folder;
        const juce::File child = programs::copyTestChild (folder.get());
    };

    class ProcessWatchesOfExits : public ProcessWatches,
                                  public testing::WithParamInterface<int> {};
}

TEST_P (ProcessWatchesOfExits, AWatchEndsWithItsProcessWhateverItsExitCode)
{
    const auto process = start (2000, GetParam());
    ASSERT_NE (process, nullptr);
    const auto id = process->getProcessId();
    ProcessWatchTable table;
    table.watch (id, os::ProcessHandle::open (id));

    EXPECT_TRUE (table.isRunning (id));
    ASSERT_TRUE (process->waitForExit (20000));
    EXPECT_FALSE (table.isRunning (id));
    EXPECT_FALSE (table.isWatching (id)) << "the watch of an ended process ends";
}

// 259 is STILL_ACTIVE on Windows: an exit code that cannot tell an ended process from a running one.
INSTANTIATE_TEST_SUITE_P (ExitCodes, ProcessWatchesOfExits, testing::Values (0, 3, 259));

TEST_F (ProcessWatches, AnIdWatchedAgainIsWatchedThroughItsNewHandleAlone)
{
    // Two processes stand for an ended process and the one that got its id.
    const auto ended = start (0, 0, "ended");
    const auto running = start (60000, 0, "running");
    ASSERT_NE (ended, nullptr);
    ASSERT_NE (running, nullptr);
    auto endedHandle = os::ProcessHandle::open (ended->getProcessId());
    ASSERT_TRUE (ended->waitForExit (20000));
    const juce::uint64 id = 4242;

    ProcessWatchTable table;
    table.watch (id, std::move (endedHandle));
    table.watch (id, os::ProcessHandle::open (running->getProcessId()));
    EXPECT_TRUE (table.isRunning (id));

    table.watch (id, os::ProcessHandle());
    EXPECT_FALSE (table.isWatching (id)) << "a process gone before it could be opened leaves no watch";

    table.watch (id, os::ProcessHandle::open (running->getProcessId()));
    table.forget (id);
    EXPECT_FALSE (table.isWatching (id));
    EXPECT_FALSE (table.isRunning (id));
}

TEST_F (ProcessWatches, DiscoveryWatchesOnlyTheProcessItReports)
{
    const auto first = start (60000, 0, "same");
    const auto second = start (60000, 0, "same");
    ASSERT_NE (first, nullptr);
    ASSERT_NE (second, nullptr);
    const auto lower = juce::jmin (first->getProcessId(), second->getProcessId());
    const auto higher = juce::jmax (first->getProcessId(), second->getProcessId());

    EXPECT_EQ (findRunningProcess (child.getFullPathName(), argumentsOf (60000, 0, "same"), false), lower);
    EXPECT_TRUE (isProcessRunning (lower));
    EXPECT_FALSE (isProcessRunning (higher)) << "an id discovery did not report is not watched";
    stopWatchingProcess (lower);
}
