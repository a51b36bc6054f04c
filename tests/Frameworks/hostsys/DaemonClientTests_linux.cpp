#include <gtest/gtest.h>
#include "MessageRecorder.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include <hostsys/DaemonClient.h>

namespace
{
    // Stands in for systemd's systemctl: records each call's arguments, one
    // call per line, and answers is-active and everything else with the exit
    // codes the test chooses.
    constexpr const char* fakeSystemctl = R"(#!/bin/sh
echo "$*" >> "$FAKE_SYSTEMCTL_LOG"
if [ "$1" = is-active ]; then exit "${FAKE_SYSTEMCTL_ACTIVE:-3}"; fi
if [ -n "$FAKE_SYSTEMCTL_FAIL" ]; then echo "$FAKE_SYSTEMCTL_FAIL" >&2; exit 1; fi
exit 0
)";

    /** A fake systemctl first on PATH and a private unit folder. */
    class FakeSystemd : public testing::Test
    {
    protected:
        /** The calls so far, separated by "|". */
        juce::String getCalls() const
        {
            auto calls = juce::StringArray::fromLines (log.loadFileAsString());
            calls.removeEmptyStrings();
            return calls.joinIntoString ("|");
        }

        juce::File unitFile() const    { return units.getChildFile ("TorvoHostsysTest.service"); }

        TemporaryFolder folder;
        juce::File bin = folder.get().getChildFile ("bin");
        juce::File units = folder.get().getChildFile ("units");
        juce::File log = folder.get().getChildFile ("calls");

        bool prepared = bin.createDirectory() && units.createDirectory()
                         && bin.getChildFile ("systemctl").replaceWithText (fakeSystemctl, false, false, "\n")
                         && bin.getChildFile ("systemctl").setExecutePermission (true);
        ScopedEnvironment path { "PATH", bin.getFullPathName() + ":" + juce::SystemStats::getEnvironmentVariable ("PATH", {}) };
        ScopedEnvironment unitDirectory { "TORVO_SYSTEMD_UNIT_DIR", units.getFullPathName() };
        ScopedEnvironment callLog { "FAKE_SYSTEMCTL_LOG", log.getFullPathName() };
    };
}

TEST_F (FakeSystemd, InstallWritesTheUnitThenReloadsAndEnables)
{
    ASSERT_TRUE (prepared);
    MessageRecorder recorder;

    ASSERT_TRUE (os::DaemonClient::installDaemon ("TorvoHostsysTest", "Torvo Hostsys Test", "Runs 100% of nothing."))
        << recorder.getText();

    const auto unit = juce::StringArray::fromLines (unitFile().loadFileAsString());
    const auto self = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName();

    for (const auto* line : { "[Unit]", "Description=Torvo Hostsys Test", "[Service]", "Type=notify", "Environment=TORVO_DAEMON=1", "KillMode=process",
                              "Restart=on-failure", "[Install]", "WantedBy=multi-user.target" })
        EXPECT_TRUE (unit.contains (line)) << line;

    EXPECT_TRUE (unit.contains ("ExecStart=" + self)) << "the running executable, without options";
    EXPECT_TRUE (unit.contains ("# Runs 100%% of nothing.")) << "systemd specifiers are escaped";
    EXPECT_EQ (getCalls(), "daemon-reload|enable TorvoHostsysTest");
    EXPECT_TRUE (os::DaemonClient::isDaemonInstalled ("TorvoHostsysTest"));
    EXPECT_EQ (recorder.countErrors(), 0);
}

TEST_F (FakeSystemd, UninstallStopsARunningServiceAndRemovesTheUnit)
{
    ASSERT_TRUE (prepared);
    ASSERT_TRUE (os::DaemonClient::installDaemon ("TorvoHostsysTest", "Torvo Hostsys Test", "Test."));
    log.deleteFile();
    const ScopedEnvironment active ("FAKE_SYSTEMCTL_ACTIVE", juce::String ("0"));

    EXPECT_TRUE (os::DaemonClient::uninstallDaemon ("TorvoHostsysTest"));
    EXPECT_FALSE (unitFile().exists());
    EXPECT_EQ (getCalls(), "is-active --quiet TorvoHostsysTest|stop TorvoHostsysTest|disable TorvoHostsysTest|daemon-reload");
    EXPECT_FALSE (os::DaemonClient::isDaemonInstalled ("TorvoHostsysTest"));

    MessageRecorder recorder;
    EXPECT_FALSE (os::DaemonClient::uninstallDaemon ("TorvoHostsysTest"));
    EXPECT_TRUE (recorder.getText().contains ("not installed")) << recorder.getText();
}

TEST_F (FakeSystemd, StartStopAndStateGoThroughSystemctl)
{
    ASSERT_TRUE (prepared);

    EXPECT_FALSE (os::DaemonClient::isDaemonRunning ("TorvoHostsysTest"));
    {
        const ScopedEnvironment active ("FAKE_SYSTEMCTL_ACTIVE", juce::String ("0"));
        EXPECT_TRUE (os::DaemonClient::isDaemonRunning ("TorvoHostsysTest"));
    }
    EXPECT_TRUE (os::DaemonClient::startDaemon ("TorvoHostsysTest"));
    EXPECT_TRUE (os::DaemonClient::stopDaemon ("TorvoHostsysTest"));

    EXPECT_EQ (getCalls(), "is-active --quiet TorvoHostsysTest|is-active --quiet TorvoHostsysTest|"
                           "start TorvoHostsysTest|stop TorvoHostsysTest");
}

TEST_F (FakeSystemd, ASystemctlFailureIsReportedInItsOwnWords)
{
    ASSERT_TRUE (prepared);
    const ScopedEnvironment failing ("FAKE_SYSTEMCTL_FAIL", juce::String ("Access denied"));
    MessageRecorder recorder;

    EXPECT_FALSE (os::DaemonClient::startDaemon ("TorvoHostsysTest"));
    EXPECT_EQ (recorder.getText(), "systemctl start TorvoHostsysTest failed (exit code 1): Access denied");
}

TEST_F (FakeSystemd, AnUnwritableUnitFolderFailsTheInstall)
{
    ASSERT_TRUE (prepared);
    const auto missing = folder.get().getChildFile ("no-such-folder");
    const ScopedEnvironment unitFolder ("TORVO_SYSTEMD_UNIT_DIR", missing.getFullPathName());
    MessageRecorder recorder;

    EXPECT_FALSE (os::DaemonClient::installDaemon ("TorvoHostsysTest", "Torvo Hostsys Test", "Test."));
    EXPECT_TRUE (recorder.getText().startsWith ("Cannot write the unit file " + missing.getChildFile ("TorvoHostsysTest.service").getFullPathName()
                                                + ": No such file or directory")) << recorder.getText();
    EXPECT_EQ (getCalls(), "");
}

TEST (DaemonClientLinux, EveryCallFailsClearlyWithoutSystemctl)
{
    TemporaryFolder emptyBin;
    const ScopedEnvironment path ("PATH", emptyBin.get().getFullPathName());

    const std::vector<std::function<bool()>> calls {
        [] { return os::DaemonClient::installDaemon ("TorvoHostsysTest", "Torvo Hostsys Test", "Test."); },
        [] { return os::DaemonClient::uninstallDaemon ("TorvoHostsysTest"); },
        [] { return os::DaemonClient::isDaemonInstalled ("TorvoHostsysTest"); },
        [] { return os::DaemonClient::isDaemonRunning ("TorvoHostsysTest"); },
        [] { return os::DaemonClient::startDaemon ("TorvoHostsysTest"); },
        [] { return os::DaemonClient::stopDaemon ("TorvoHostsysTest"); } };

    for (const auto& call : calls)
    {
        MessageRecorder recorder;
        EXPECT_FALSE (call());
        EXPECT_EQ (recorder.countErrors(), 1);
        EXPECT_TRUE (recorder.getText().contains ("the service TorvoHostsysTest: systemctl was not found on PATH")) << recorder.getText();
    }
}
