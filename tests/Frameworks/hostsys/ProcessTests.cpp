#include <gtest/gtest.h>
#include "TemporaryFolder.h"
#include "TestProcesses.h"
#include "TestPrograms.h"
#include "Waiting.h"
#include <hostsys/ConsoleProcess.h>
#include <hostsys/ProcessTesting.h>
#include <algorithm>

using namespace programs;

namespace
{
    bool contains (const std::vector<juce::uint64>& ids, juce::uint64 id)
    {
        return std::find (ids.begin(), ids.end(), id) != ids.end();
    }

    bool isWindows()
    {
        return (juce::SystemStats::getOperatingSystemType() & juce::SystemStats::Windows) != 0;
    }

    /** A sleeping helper started from a file, ready once its report exists. */
    juce::uint64 startSleepingChild (const juce::File& executable, const juce::File& folder, const juce::String& extra,
                                     ProcessReaper& reaper, const juce::String& sleep = "30000")
    {
        const auto report = folder.getChildFile ("report-" + juce::Uuid().toString());
        const auto process = os::ConsoleProcess::create (executable.getFullPathName(), childArguments (report, sleep, 0, extra),
                                                         folder, true);

        if (process == nullptr)
            return 0;

        reaper.add (process->getProcessId());
        return waitForFile (report) ? process->getProcessId() : 0;
    }

}

TEST (Process, FindsAChildByExecutableAndByItsArguments)
{
    TemporaryFolder folder;
    ProcessReaper reaper;
    const auto token = juce::Uuid().toString();
    const auto child = getTestChild();
    const auto report = folder.get().getChildFile ("report");
    const auto arguments = childArguments (report, "30000", 0, "\"two words\" " + token);

    const auto process = os::ConsoleProcess::create (child.getFullPathName(), arguments, folder.get(), true);
    ASSERT_NE (process, nullptr);
    const auto id = process->getProcessId();
    reaper.add (id);
    ASSERT_TRUE (waitForFile (report));

    const os::Process::Options any;
    EXPECT_TRUE (contains (os::Process::findRunningProcessIds (child.getFullPathName(), any), id));
    EXPECT_TRUE (contains (os::Process::findRunningProcessIds (child.getFileName(), any), id));

    struct Case { juce::String arguments; bool matches; };

    const auto spaced = "  " + report.getFullPathName().quoted() + "   30000\t0  \"two words\"   " + token + " ";

    for (const auto& [wanted, matches] : { Case { arguments, true },
                                           Case { spaced, true },   // spacing between arguments is not significant
                                           Case { arguments.replace ("two words", "two  words"), false },  // inside quotes it is
                                           Case { arguments + " extra", false },
                                           Case { {}, false } })
    {
        const auto ids = os::Process::findRunningProcessIds (child.getFullPathName(), any.withArguments (wanted));
        EXPECT_EQ (contains (ids, id), matches) << "arguments: " << wanted;
    }

    EXPECT_FALSE (contains (os::Process::findRunningProcessIds (folder.get().getChildFile (child.getFileName()).getFullPathName(), any), id))
        << "a file of the same name elsewhere is another executable";
}

TEST (Process, AProcessIsFoundWithItsArgumentsTheMomentItWasStarted)
{
    // Just after exec a process shows its new program before its new
    // arguments; a launcher that looks at once must still find it.
    TemporaryFolder folder;
    ProcessReaper reaper;
    const auto child = getTestChild();

    for (int round = 0; round < 40; ++round)
    {
        const auto report = folder.get().getChildFile ("report-" + juce::String (round));
        const auto arguments = childArguments (report, "30000", 0, juce::Uuid().toString());
        const auto process = os::ConsoleProcess::create (child.getFullPathName(), arguments, folder.get(), true);
        ASSERT_NE (process, nullptr);
        reaper.add (process->getProcessId());
        const auto ids = os::Process::findRunningProcessIds (child.getFullPathName(), os::Process::Options().withArguments (arguments));
        ASSERT_TRUE (contains (ids, process->getProcessId())) << "round " << round;

        // Ended in the middle of its start, a process can leave Wine's
        // console host behind, which holds the tests' output open.
        EXPECT_TRUE (waitForFile (report));
        os::Process::killAllInstances ({ process->getProcessId() });
    }
}

TEST (Process, AProcessWhoseCommandLineShowsLateIsFoundWithItsArguments)
{
    // Right after its start a process can show its program but no command
    // line yet: for microseconds on Linux, for milliseconds under Wine on a
    // loaded machine. Here that moment is stretched over several reads.
    TemporaryFolder folder;
    ProcessReaper reaper;
    const auto child = getTestChild();
    const auto report = folder.get().getChildFile ("report");
    const auto arguments = childArguments (report, "30000", 0, juce::Uuid().toString());
    const auto process = os::ConsoleProcess::create (child.getFullPathName(), arguments, folder.get(), true);
    ASSERT_NE (process, nullptr);
    const auto id = process->getProcessId();
    reaper.add (id);
    ASSERT_TRUE (waitForFile (report));

    os::testing::hideCommandLineForReads (id, 5);
    const auto ids = os::Process::findRunningProcessIds (child.getFullPathName(), os::Process::Options().withArguments (arguments));
    os::testing::hideCommandLineForReads (id, 0);
    EXPECT_TRUE (contains (ids, id));
}

TEST (Process, DebugPostfixMatchesThePlainNameOnlyWhenIgnored)
{
    TemporaryFolder folder;
    ProcessReaper reaper;
    const auto plain = getTestChild();
    const auto debug = copyTestChild (folder.get(), plain.getFileNameWithoutExtension() + os::Process::debugPostfix);
    const auto id = startSleepingChild (debug, folder.get(), juce::Uuid().toString(), reaper);
    ASSERT_NE (id, 0u);

    const os::Process::Options strict;
    const auto lenient = strict.withIgnoreDebugPostfix (true);
    const auto plainInFolder = folder.get().getChildFile (plain.getFileName()).getFullPathName();

    EXPECT_FALSE (contains (os::Process::findRunningProcessIds (plain.getFileName(), strict), id));
    EXPECT_TRUE (contains (os::Process::findRunningProcessIds (plain.getFileName(), lenient), id));
    EXPECT_FALSE (contains (os::Process::findRunningProcessIds (plainInFolder, strict), id));
    EXPECT_TRUE (contains (os::Process::findRunningProcessIds (plainInFolder, lenient), id));
    EXPECT_TRUE (contains (os::Process::findRunningProcessIds (debug.getFileName(), lenient), id));

    // File names compare without case on Windows only.
    EXPECT_EQ (contains (os::Process::findRunningProcessIds (debug.getFileName().toUpperCase(), strict), id), isWindows());
}

TEST (Process, CanLeaveTheCallingProcessOut)
{
    const auto self = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName();
    const os::Process::Options options;

    EXPECT_TRUE (contains (os::Process::findRunningProcessIds (self, options), os::Process::getCurrentProcessId()));
    EXPECT_FALSE (contains (os::Process::findRunningProcessIds (self, options.withExceptThisProcess (true)),
                            os::Process::getCurrentProcessId()));
}

TEST (Process, KillAllInstancesEndsEveryProcessOfTheSet)
{
    TemporaryFolder folder;
    ProcessReaper reaper;
    const auto child = getTestChild();
    const auto polite = startSleepingChild (child, folder.get(), "polite", reaper);
    const auto stubborn = startSleepingChild (child, folder.get(), "stubborn", reaper, "30000!");   // ignores SIGTERM
    ASSERT_NE (polite, 0u);
    ASSERT_NE (stubborn, 0u);
    const juce::uint64 gone = 0x7ffffff0;   // beyond any process id in use

    EXPECT_TRUE (os::Process::killAllInstances ({ polite, stubborn, gone }));
    EXPECT_FALSE (os::Process::isProcessRunning (polite));
    EXPECT_FALSE (os::Process::isProcessRunning (stubborn));
    EXPECT_TRUE (os::Process::killAllInstances ({}));
}

TEST (Process, AnEndedChildIsNotRunningEvenIfNobodyWaitedForIt)
{
    TemporaryFolder folder;
    const auto child = getTestChild();
    const auto token = juce::Uuid().toString();
    auto process = os::ConsoleProcess::create (child.getFullPathName(), childArguments ({}, "0", 3, token), folder.get(), true);
    ASSERT_NE (process, nullptr);
    const auto id = process->getProcessId();
    process.reset();

    EXPECT_TRUE (waitUntilGone (id));
    EXPECT_TRUE (os::Process::findRunningProcessIds (child.getFullPathName(),
                                                     os::Process::Options().withArguments ("- 0 3 " + token)).empty());
    EXPECT_TRUE (os::Process::isProcessRunning (os::Process::getCurrentProcessId()));
    EXPECT_FALSE (os::Process::isProcessRunning (0));
}

TEST (Process, TheFirstMatchAloneIsReturnedWhenAskedAndArgumentsComeThroughAPointer)
{
    TemporaryFolder folder;
    ProcessReaper reaper;
    const auto child = copyTestChild (folder.get());
    const auto token = juce::Uuid().toString();
    const auto first = startSleepingChild (child, folder.get(), token, reaper);
    const auto second = startSleepingChild (child, folder.get(), token, reaper);
    ASSERT_NE (first, 0u);
    ASSERT_NE (second, 0u);

    const auto all = os::Process::findRunningProcessIds (child.getFullPathName(), {});
    EXPECT_EQ (all.size(), 2u);

    const auto firstOnly = os::Process::findRunningProcessIds (child.getFullPathName(),
                                                               os::Process::Options().withReturnOnlyFirstMatch (true));
    ASSERT_EQ (firstOnly.size(), 1u);
    EXPECT_TRUE (contains (all, firstOnly[0]));

    const juce::String other = "not " + token;
    EXPECT_TRUE (os::Process::findRunningProcessIds (child.getFullPathName(), os::Process::Options().withArguments (&other)).empty());
    EXPECT_EQ (os::Process::findRunningProcessIds (child.getFullPathName(), os::Process::Options().withArguments (&other)
                                                                                .withArguments (nullptr)).size(), 2u)
        << "a null pointer matches any arguments";
}

TEST (Process, TheExecutableNextToTheCurrentOneCarriesThePlatformsExtension)
{
    const auto file = os::Process::getExecutableFileNextToCurrentOne ("TorvoBoot");
    EXPECT_EQ (file.getParentDirectory(), juce::File::getSpecialLocation (juce::File::currentExecutableFile).getParentDirectory());
    EXPECT_EQ (file.getFileName(), isWindows() ? "TorvoBoot.exe" : "TorvoBoot");
}
