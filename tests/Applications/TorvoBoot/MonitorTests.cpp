#include "MonitorFixture.h"
#include "ScopedEnvironment.h"

namespace
{
    const juce::String host ("/opt/torvo/Torvo"), launcher ("/opt/torvo/TorvoLauncher");
}

TEST_F (MonitorFixture, StartingWhileAUserIsLoggedOnLaunchesWithoutALogonMessage)
{
    addApplication (host, [] (auto& a) { a.arguments.set ("-project=\"My Show\"", tav::ChangeCallback::none()); });
    addApplication (launcher);
    initialise();

    EXPECT_EQ (takeLines(), juce::StringArray ({
        "Loaded 2 managed application(s)",
        "not running executable with command line: \"/opt/torvo/Torvo\" -project=\"My Show\"",
        "Launched /opt/torvo/Torvo (pid=100)",
        "not running executable with command line: \"/opt/torvo/TorvoLauncher\" ",
        "Launched /opt/torvo/TorvoLauncher (pid=101)" }));
    ASSERT_EQ (environment->launches.size(), 2u);
    EXPECT_EQ (environment->launches[0].arguments, "-project=\"My Show\"");
}

TEST_F (MonitorFixture, AnEmptyConfigurationGetsTheDefaultApplications)
{
    initialise();
    ASSERT_EQ (service->configuration.applications.size(), 2u);
    EXPECT_TRUE (service->configuration.applications.get (0)->executablePath.get().contains ("Torvo"));
    EXPECT_EQ (takeLines()[0], "Loaded 2 managed application(s)");
}

//==============================================================================
struct ConfigurationFileCase
{
    const char* text;             // nullptr: no file at all
    size_t applications;
    size_t launches;
    const char* error;            // the monitor's error, or nullptr
};

class MonitorConfigurationFiles : public MonitorFixture,
                                  public testing::WithParamInterface<ConfigurationFileCase> {};

// Only a file that is missing or lists no application means the default set;
// a faulty one launches nothing rather than applications the administrator
// may have removed.
TEST_P (MonitorConfigurationFiles, DecideBetweenTheirApplicationsTheDefaultsAndNothing)
{
    juce::TemporaryFile file (".configuration");
    ScopedEnvironment variable ("TORVO_BOOT_CONFIGURATION", file.getFile().getFullPathName());

    if (GetParam().text != nullptr)
    {
        ASSERT_TRUE (file.getFile().replaceWithText (GetParam().text));
    }

    {
        tav::ExecutionContext::ScopedCurrent current (context);
        tav::SuccessStatus status;
        ASSERT_TRUE (service->loadConfiguration (status));
    }

    initialise();
    EXPECT_EQ (service->configuration.applications.size(), GetParam().applications);
    EXPECT_EQ (environment->launches.size(), GetParam().launches);

    const auto lines = takeLines();
    EXPECT_EQ (lines.contains ("Error: The boot configuration cannot be used - no application is launched"), GetParam().error != nullptr)
        << lines.joinIntoString ("\n");

    // Commands are still obeyed: application 0 is killed, or reported missing.
    send (os::killApplication, 0);
    EXPECT_EQ (takeLines().size(), 1);
}

INSTANTIATE_TEST_SUITE_P (Cases, MonitorConfigurationFiles, testing::Values (
    ConfigurationFileCase { nullptr, 2, 2, nullptr },
    ConfigurationFileCase { "TorvoBootConfiguration { applications = [] }\n", 2, 2, nullptr },
    ConfigurationFileCase { "TorvoBootConfiguration { applications = [ ManagedApplication { enabled = yes } ] }\n", 0, 0, "faulty" },
    ConfigurationFileCase { "TorvoBootConfiguration { applications = [ ManagedApplication { executablePath = \"/opt/torvo/Torvo\" } ] }\n", 1, 1, nullptr }));

TEST_F (MonitorFixture, FailedLaunchesAreRetriedWithGrowingDelaysThenGivenUp)
{
    addApplication (host, [] (auto& a)
    {
        a.maximumLaunchAttempts.set (3, tav::ChangeCallback::none());
        a.restartDelay.set (5.0, tav::ChangeCallback::none());
    });
    environment->launchesFail = true;
    const double start = environment->now;
    initialise();
    runFor (30000);

    ASSERT_EQ (environment->launches.size(), 3u);
    EXPECT_EQ (environment->launches[0].time - start, 0);
    EXPECT_NEAR (environment->launches[1].time - start, 5000, 100);
    EXPECT_NEAR (environment->launches[2].time - environment->launches[1].time, 10000, 100);

    const auto lines = takeLines();
    EXPECT_TRUE (lines.contains ("Error: Failed to launch /opt/torvo/Torvo (attempt 1)"));
    EXPECT_TRUE (lines.contains ("Error: Failed to launch /opt/torvo/Torvo (attempt 2)"));
    EXPECT_EQ (lines[lines.size() - 1], "Error: Failed to launch /opt/torvo/Torvo after 3 attempts, giving up until it is started manually");
    EXPECT_TRUE (record (0).restartSuppressed);
}

TEST_F (MonitorFixture, AtMostOneAttemptWhenTheMaximumIsZeroOrOne)
{
    for (juce::uint64 maximum : { 0, 1 })
        addApplication (host + juce::String (maximum), [maximum] (auto& a) { a.maximumLaunchAttempts.set (maximum, tav::ChangeCallback::none()); });

    environment->launchesFail = true;
    initialise();
    runFor (60000);
    EXPECT_EQ (environment->launches.size(), 2u);
}

TEST_F (MonitorFixture, AnUnexpectedExitIsRelaunchedAfterTheRestartDelay)
{
    addApplication (host, [] (auto& a) { a.restartDelay.set (2.0, tav::ChangeCallback::none()); });
    initialise();
    takeLines();

    environment->running.clear();
    const double exitSeen = environment->now;
    runFor (2500);

    ASSERT_EQ (environment->launches.size(), 2u);
    EXPECT_NEAR (environment->launches[1].time - exitSeen, 2000, 100);
    EXPECT_EQ (takeLines(), juce::StringArray ({
        "Warning: /opt/torvo/Torvo (pid=100) exited unexpectedly",
        "not running executable with command line: \"/opt/torvo/Torvo\" ",
        "Launched /opt/torvo/Torvo (pid=101)" }));
}

TEST_F (MonitorFixture, WithoutAutoRestartAnExitedApplicationStaysIdle)
{
    addApplication (host, [] (auto& a) { a.autoRestart.set (false, tav::ChangeCallback::none()); });
    initialise();
    environment->running.clear();
    environment->startByHand (host);
    runFor (25000);

    EXPECT_EQ (environment->launches.size(), 1u);
    EXPECT_EQ (record (0).processId, 0u) << "an idle record is neither relaunched nor re-adopted";
}

TEST_F (MonitorFixture, AVoluntaryStopMakesTheExitExpectedAndTheReturnIsAdopted)
{
    addApplication (host);
    addApplication (launcher);
    initialise();
    takeLines();

    send (os::prepareVoluntaryStop, 1);
    environment->running.erase (101);
    update();
    EXPECT_EQ (takeLines(), juce::StringArray ({
        "Voluntary stop announced for application 1 - auto-restart suppressed",
        "/opt/torvo/TorvoLauncher (pid=101) exited as expected" }));

    const auto byHand = environment->startByHand (launcher);
    runFor (10100);
    EXPECT_EQ (record (1).processId, byHand);
    EXPECT_FALSE (record (1).restartSuppressed);
    EXPECT_EQ (takeLines(), juce::StringArray ("/opt/torvo/TorvoLauncher detected running again (pid=" + juce::String (byHand) + "), resuming monitoring"));
    EXPECT_EQ (environment->launches.size(), 2u);
}

TEST_F (MonitorFixture, LogoffSuppressesAndTheNextLogonLaunchesNoSecondInstance)
{
    addApplication (host);
    initialise();
    takeLines();

    environment->sessionId = -1;
    runFor (1000);
    environment->sessionId = 3;
    update();

    EXPECT_EQ (takeLines(), juce::StringArray ({
        "User logged off - suppressing auto-restart until next logon",
        "User logged on (session 3) - launching applications" }));
    EXPECT_EQ (environment->launches.size(), 1u);
}

TEST_F (MonitorFixture, NothingIsLaunchedWhileNobodyIsLoggedOnButCommandsAreTaken)
{
    addApplication (host);
    environment->sessionId = -1;
    initialise();
    send (os::startApplication, os::allApplicationsIndex);
    runFor (3000);

    EXPECT_TRUE (environment->launches.empty());
    EXPECT_EQ (takeLines(), juce::StringArray ({ "Loaded 1 managed application(s)",
                                                 "Warning: Start application command ignored - no user logged on" }));
    EXPECT_GE (environment->sessionPolls, 1) << "the session is re-checked while waiting";
}

TEST_F (MonitorFixture, KillingAllEndsEveryWatchedProcessInOrderForGood)
{
    addApplication (host);
    addApplication (launcher);
    initialise();
    takeLines();

    send (os::killApplication, os::allApplicationsIndex);
    runFor (5000);

    EXPECT_EQ (environment->killed, (std::vector<juce::uint64> { 100, 101 }));
    EXPECT_EQ (environment->launches.size(), 2u);
    EXPECT_EQ (takeLines(), juce::StringArray ({ "/opt/torvo/Torvo (pid=100) killed", "/opt/torvo/TorvoLauncher (pid=101) killed" }));

    send (os::startApplication, 1);
    EXPECT_EQ (environment->launches.size(), 3u);
    EXPECT_EQ (environment->launches.back().executable, launcher);
}

TEST_F (MonitorFixture, CommandsQueuedWhenTheServiceStopsAreCarriedOutWithoutLaunching)
{
    addApplication (host);
    addApplication (launcher);
    initialise();
    takeLines();

    // The uninstaller's sequence: the commands arrive, then the stop, with no update between.
    for (auto [id, index] : { std::pair (os::prepareVoluntaryStop, os::allApplicationsIndex),
                              std::pair (os::killApplication, os::allApplicationsIndex),
                              std::pair (os::startApplication, (juce::uint8) 1) })
        environment->commands.push_back (os::getTorvoBootControlCode (id, index));

    {
        tav::ExecutionContext::ScopedCurrent current (context);
        logic->deinitializeItem();
    }

    EXPECT_EQ (environment->killed, (std::vector<juce::uint64> { 100, 101 }));
    EXPECT_EQ (environment->launches.size(), 2u) << "nothing is launched while stopping";
    EXPECT_TRUE (environment->commands.empty());
    EXPECT_EQ (takeLines(), juce::StringArray ({ "Voluntary stop announced for all applications - auto-restart suppressed",
                                                 "/opt/torvo/Torvo (pid=100) killed",
                                                 "/opt/torvo/TorvoLauncher (pid=101) killed",
                                                 "Warning: Start application command ignored - the service is stopping" }));
}

TEST_F (MonitorFixture, AFailedKillLeavesTheProcessWatched)
{
    addApplication (host);
    initialise();
    takeLines();
    environment->killsFail = true;
    send (os::killApplication, 0);

    EXPECT_EQ (takeLines(), juce::StringArray ("Warning: Failed to kill /opt/torvo/Torvo (pid=100)"));
    EXPECT_EQ (record (0).processId, 100u);
}

TEST_F (MonitorFixture, DisabledApplicationsAreNeverStartedButCanBeKilled)
{
    addApplication (host, [] (auto& a)
    {
        a.enabled.set (false, tav::ChangeCallback::none());
        a.launchAtLogon.set (false, tav::ChangeCallback::none());
    });
    initialise();
    send (os::startApplication, 0);
    EXPECT_TRUE (environment->launches.empty());

    // The re-adoption scan ignores the flag, and so does the kill command.
    const auto byHand = environment->startByHand (host);
    runFor (10100);
    ASSERT_EQ (record (0).processId, byHand);
    send (os::killApplication, 0);
    EXPECT_EQ (environment->killed, std::vector<juce::uint64> { byHand });
    runFor (15000);
    EXPECT_TRUE (environment->launches.empty());
}

struct CommandMessageCase
{
    juce::uint8 code;
    const char* message;
};

class MonitorCommandMessages : public MonitorFixture,
                               public testing::WithParamInterface<CommandMessageCase> {};

TEST_P (MonitorCommandMessages, AreReportedWithTheirIndex)
{
    addApplication (host);
    addApplication (launcher);
    initialise();
    takeLines();
    environment->commands.push_back (GetParam().code);
    update();
    EXPECT_EQ (takeLines(), juce::StringArray (GetParam().message));
}

INSTANTIATE_TEST_SUITE_P (Cases, MonitorCommandMessages, testing::Values (
    CommandMessageCase { 150, "Received unknown custom command 150" },
    CommandMessageCase { 191, "Voluntary stop announced for all applications - auto-restart suppressed" },
    CommandMessageCase { 128 + 32 + 5, "Warning: Voluntary stop: application index 5 out of range" },
    CommandMessageCase { 128 + 64 + 7, "Warning: Start application command: index 7 out of range" },
    CommandMessageCase { 128 + 96 + 30, "Warning: Kill application command: index 30 out of range" }));

TEST_F (MonitorFixture, AnEmptyPathIsSkippedWithAWarningAndNoAttempt)
{
    addApplication (host);
    addApplication ("");
    initialise();

    EXPECT_EQ (takeLines()[3], "Warning: Skipping application at index 1 - executable path is empty");
    EXPECT_EQ (record (1).failedLaunchCount, 0u);
}

TEST_F (MonitorFixture, ARunningInstanceIsTrackedInsteadOfLaunched)
{
    addApplication (host);
    addApplication (host);
    const auto existing = environment->startByHand (host);
    initialise();

    EXPECT_TRUE (environment->launches.empty());
    EXPECT_EQ (record (0).processId, existing);
    EXPECT_EQ (record (1).processId, existing) << "both records watch the same process";
    EXPECT_EQ (takeLines()[1], "/opt/torvo/Torvo already running (pid=" + juce::String (existing) + "), tracking without re-launch");
}

TEST_F (MonitorFixture, ApplicationsOutsideTheUserSessionStartInTheirWorkingDirectory)
{
    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory);
    addApplication (host, [&] (auto& a)
    {
        a.launchInUserSession.set (false, tav::ChangeCallback::none());
        a.workingDirectory.set (folder.getFullPathName(), tav::ChangeCallback::none());
    });
    addApplication (launcher, [] (auto& a) { a.launchInUserSession.set (false, tav::ChangeCallback::none()); });
    initialise();

    ASSERT_EQ (environment->launches.size(), 2u);
    EXPECT_FALSE (environment->launches[0].inUserSession);
    EXPECT_EQ (environment->launches[0].workingDirectory, folder.getFullPathName());
    EXPECT_EQ (environment->launches[1].workingDirectory, juce::File::getCurrentWorkingDirectory().getFullPathName());
}

TEST_F (MonitorFixture, ApplicationsNotLaunchedAtLogonAreOnlyAdopted)
{
    addApplication (host, [] (auto& a) { a.launchAtLogon.set (false, tav::ChangeCallback::none()); });
    initialise();
    EXPECT_TRUE (environment->launches.empty());

    const auto byHand = environment->startByHand (host);
    runFor (10100);
    EXPECT_EQ (record (0).processId, byHand);
}

TEST_F (MonitorFixture, BeyondThirtyOneApplicationsOnlyTheAllIndexReachesTheRest)
{
    for (int i = 0; i < 33; ++i)
        addApplication (host + juce::String (i));

    initialise();
    ASSERT_EQ (environment->launches.size(), 33u);

    send (os::killApplication, 30);
    EXPECT_EQ (environment->killed.size(), 1u);

    send (os::killApplication, os::allApplicationsIndex);
    EXPECT_EQ (environment->killed.size(), 33u) << "index 31 reaches applications 31 and 32 too";
}
