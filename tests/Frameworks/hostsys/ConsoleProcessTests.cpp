#include <gtest/gtest.h>
#include "MessageRecorder.h"
#include "TemporaryFolder.h"
#include "TestProcesses.h"
#include "TestPrograms.h"
#include <hostsys/ConsoleProcess.h>

using namespace programs;

namespace
{
    /** The lines the helper reported: its working directory, then its arguments. */
    juce::StringArray readReport (const juce::File& report)
    {
        auto lines = juce::StringArray::fromTokens (report.loadFileAsString(), "\n", {});
        lines.removeString ({});   // the empty token after the last line break
        return lines;
    }
}

TEST (ConsoleProcess, ChildReceivesArgumentsAsTheCommandLineSplitsThem)
{
    TemporaryFolder folder;
    const auto report = folder.get().getChildFile ("report");
    const juce::String extra (R"(plain "with space"  "say \"hi\"" back\slash trailing\\\"quote)");

    const auto process = os::ConsoleProcess::create (getTestChild().getFullPathName(), childArguments (report, "0", 0, extra),
                                                     folder.get(), true);
    ASSERT_NE (process, nullptr);
    ASSERT_TRUE (process->waitForExit (10000));

    auto lines = readReport (report);
    lines.remove (0);
    EXPECT_EQ (lines, juce::StringArray ({ "plain", "with space", "say \"hi\"", "back\\slash", "trailing\\\"quote" }))
        << lines.joinIntoString ("|");
}

TEST (ConsoleProcess, RunsInTheWorkingDirectoryAndReportsItsExitCode)
{
    TemporaryFolder folder;
    const auto report = folder.get().getChildFile ("report");

    const auto process = os::ConsoleProcess::create (getTestChild().getFullPathName(), childArguments (report, "300", 7),
                                                     folder.get(), true);
    ASSERT_NE (process, nullptr);
    EXPECT_NE (process->getProcessId(), 0u);
    EXPECT_TRUE (process->isRunning());
    EXPECT_EQ (process->getExitCode(), -1);
    EXPECT_FALSE (process->waitForExit (0));

    ASSERT_TRUE (process->waitForExit (10000));
    EXPECT_FALSE (process->isRunning());
    EXPECT_EQ (process->getExitCode(), 7);
    EXPECT_EQ (juce::File (readReport (report)[0]), folder.get());
}

TEST (ConsoleProcess, DestroyingTheObjectLeavesTheProcessRunning)
{
    TemporaryFolder folder;
    ProcessReaper reaper;
    auto process = os::ConsoleProcess::create (getTestChild().getFullPathName(), childArguments ({}, "30000", 0),
                                               folder.get(), true);
    ASSERT_NE (process, nullptr);
    const auto id = process->getProcessId();
    reaper.add (id);

    process.reset();
    juce::Thread::sleep (100);
    EXPECT_TRUE (os::Process::isProcessRunning (id));
}

TEST (ConsoleProcess, FailsCleanlyForAMissingExecutableOrWorkingDirectory)
{
    TemporaryFolder folder;
    const auto missingExecutable = folder.get().getChildFile ("no-such-program").getFullPathName();
    const auto missingFolder = folder.get().getChildFile ("no-such-folder");

    struct Case { juce::String executable; juce::File workingDirectory; };

    for (const auto& [executable, workingDirectory] : { Case { missingExecutable, folder.get() },
                                                        Case { getTestChild().getFullPathName(), missingFolder } })
    {
        MessageRecorder recorder;
        const auto process = os::ConsoleProcess::create (executable, childArguments ({}, "0", 0), workingDirectory, true);

        EXPECT_EQ (process, nullptr);
        EXPECT_EQ (recorder.countErrors(), 1);
        EXPECT_TRUE (recorder.getText().startsWith ("Cannot start " + executable)) << recorder.getText();
        EXPECT_TRUE (recorder.getText().contains ("(")) << "no OS error code: " << recorder.getText();
    }
}
