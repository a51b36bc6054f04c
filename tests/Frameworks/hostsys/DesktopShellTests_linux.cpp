#include <gtest/gtest.h>
#include "MessageRecorder.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include "Waiting.h"
#include <hostsys/Process.h>
#include <tavcore/Thread.h>
#include <cerrno>

namespace
{
    // Stands in for the desktop's xdg-open: records what it was asked to open.
    constexpr const char* fakeOpener = "#!/bin/sh\necho \"$*\" > \"$FAKE_OPENER_LOG\"\n";

    /** A PATH holding only a folder of the test's own programs. */
    class DesktopPath : public testing::Test
    {
    protected:
        TemporaryFolder folder;
        juce::File bin = folder.get().getChildFile ("bin with spaces é");
        juce::File log = folder.get().getChildFile ("opened");
        bool prepared = bin.createDirectory();
        ScopedEnvironment path { "PATH", bin.getFullPathName() };
        ScopedEnvironment opened { "FAKE_OPENER_LOG", log.getFullPathName() };
    };
}

TEST_F (DesktopPath, TheEnvironmentDialogIsTheDesktopsEditorOfTheMachineWideEnvironment)
{
    ASSERT_TRUE (prepared);
    ASSERT_TRUE (bin.getChildFile ("xdg-open").replaceWithText (fakeOpener, false, false, "\n"));
    ASSERT_TRUE (bin.getChildFile ("xdg-open").setExecutePermission (true));
    MessageRecorder recorder;

    ASSERT_TRUE (os::Process::startSystemPreferenceProcess (os::SystemPreferenceProcess::systemEnvironmentVariables));
    ASSERT_TRUE (waitUntil ([this] { return log.loadFileAsString().isNotEmpty(); }, 10000));
    EXPECT_EQ (log.loadFileAsString().trim(), "/etc/environment");
    EXPECT_EQ (recorder.countErrors(), 0);
}

TEST_F (DesktopPath, WithoutADesktopOpenerTheDialogFailsAndSaysWhy)
{
    ASSERT_TRUE (prepared);
    MessageRecorder recorder;
    errno = 0;

    EXPECT_FALSE (os::Process::startSystemPreferenceProcess (os::SystemPreferenceProcess::systemEnvironmentVariables));
    EXPECT_EQ (tav::Thread::getLastOsErrorCode (false), (juce::uint32) ENOENT) << "the last error names the missing editor";
    EXPECT_EQ (recorder.getText(), "No editor of the system environment variables: the desktop's xdg-open was not found on PATH");
}

TEST_F (DesktopPath, RevealingAFileOpensItsFolderWhateverCharactersItsNameHolds)
{
    ASSERT_TRUE (prepared);
    ASSERT_TRUE (bin.getChildFile ("xdg-open").replaceWithText (fakeOpener, false, false, "\n"));
    ASSERT_TRUE (bin.getChildFile ("xdg-open").setExecutePermission (true));
    const auto shows = folder.get().getChildFile ("Shows \"$(touch pwned)\" `x` été");
    ASSERT_TRUE (shows.createDirectory());
    ASSERT_TRUE (shows.getChildFile ("Main Show.torvo").create());

    ASSERT_TRUE (os::Process::revealToUser (shows.getChildFile ("Main Show.torvo")));
    ASSERT_TRUE (waitUntil ([this] { return log.loadFileAsString().isNotEmpty(); }, 10000));
    EXPECT_EQ (log.loadFileAsString().trimEnd(), shows.getFullPathName());
    EXPECT_FALSE (juce::File::getCurrentWorkingDirectory().getChildFile ("pwned").exists()) << "the name reached a shell";
}

TEST_F (DesktopPath, RevealingWithoutADesktopOpenerSaysWhy)
{
    ASSERT_TRUE (prepared);
    MessageRecorder recorder;
    EXPECT_FALSE (os::Process::revealToUser (folder.get()));
    EXPECT_EQ (recorder.getText(), "Cannot show " + folder.get().getFullPathName() + ": the desktop's xdg-open was not found on PATH");
}
