#include <gtest/gtest.h>
#include "BootProgramRun.h"
#include "ScopedEnvironment.h"
#include "StoppableProcess.h"
#include "TemporaryFolder.h"
#include "TestProcesses.h"
#include "TestPrograms.h"
#include "Waiting.h"
#include <hostsys/Process.h>

// The real TorvoBoot executable, run as a user runs it.

struct ClientCase
{
    std::vector<const char*> arguments;
    int exitCode;
    std::vector<const char*> expectedLines;
};

class ProgramClient : public testing::TestWithParam<ClientCase> {};

TEST_P (ProgramClient, PrintsWhatItDoesAndExitsWithItsCode)
{
    juce::StringArray arguments;
    for (auto* a : GetParam().arguments)
        arguments.add (a);

    // No service is listening here, whatever the platform.
    TemporaryFolder folder;
    ScopedEnvironment socket ("TORVO_BOOT_CONTROL_SOCKET", folder.get().getChildFile ("none").getFullPathName());

    const auto result = programs::run ("TorvoBoot", arguments);
    EXPECT_EQ (result.exitCode, GetParam().exitCode) << result.output;
    EXPECT_TRUE (result.output.contains ("Torvo Boot 1.0.0 (Torvo Live, build ")) << result.output;

    for (auto* line : GetParam().expectedLines)
        EXPECT_TRUE (result.output.contains (juce::String::fromUTF8 (line) + "\n")) << "missing: " << line << "\nin:\n" << result.output;
}

INSTANTIATE_TEST_SUITE_P (Cases, ProgramClient, testing::Values (
    ClientCase { { "-c=noSuchCommand" }, 1, { "Command line: -c=noSuchCommand", "Error: Unknown command: noSuchCommand" } },
    ClientCase { { "-c", "killApplication" }, 1, { "Command line: -c killApplication", "Error: Unknown command: " } },
    ClientCase { { "--command=" }, 1, { "Error: Unknown command: " } },
    ClientCase { { "-c=killApplication", "-a=287" }, 1, { "Error: Application index 287 is out of range (0 to 31)" } },
    ClientCase { { "-c=killApplication", "-a=all" }, 1, { "Error: Application index \"all\" is not a number (0 to 31)" } },
    ClientCase { { "-c=killApplication", "-a=" }, 1, { "Error: Application index \"\" is not a number (0 to 31)" } },
    ClientCase { { "-c=startApplication" }, 1, {} }));

//==============================================================================
class ProgramInteractiveRun : public testing::Test
{
protected:
    /** Writes a configuration that runs the test child, reporting into the folder. */
    juce::File writeConfiguration (const juce::File& report)
    {
        const auto child = programs::copyTestChild (folder.get()).getFullPathName();
        const auto file = folder.get().getChildFile ("boot.configuration");
        file.replaceWithText ("TorvoBootConfiguration {\n"
                              "    applications = [\n"
                              "        ManagedApplication {\n"
                              "            executablePath = \"" + child.replace ("\\", "\\\\") + "\"\n"
                              "            arguments = \"\\\"" + report.getFullPathName().replace ("\\", "\\\\") + "\\\" 60000 0 hello\"\n"
                              "            workingDirectory = \"" + folder.get().getFullPathName().replace ("\\", "\\\\") + "\"\n"
                              "        }\n"
                              "    ]\n"
                              "}\n");
        return file;
    }

    juce::String runCopyUntilMonitoring (const juce::StringArray& arguments)
    {
        return programs::runCopyUntilMonitoring (folder.get(), arguments);
    }

    TemporaryFolder folder;
};

TEST_F (ProgramInteractiveRun, LaunchesTheConfiguredApplicationsAndStopsOnRequest)
{
    const auto report = folder.get().getChildFile ("child.report");
    ScopedEnvironment configuration ("TORVO_BOOT_CONFIGURATION", writeConfiguration (report).getFullPathName());
    ScopedEnvironment socket ("TORVO_BOOT_CONTROL_SOCKET", folder.get().getChildFile ("control").getFullPathName());
    const auto output = folder.get().getChildFile ("output.txt");

    StoppableProcess boot (programs::find ("TorvoBoot"), {}, output);
    ASSERT_TRUE (boot.isStarted());
    ASSERT_TRUE (waitForFile (report)) << output.loadFileAsString();
    EXPECT_EQ (juce::StringArray::fromLines (report.loadFileAsString().trim()),
               juce::StringArray (folder.get().getFullPathName(), juce::String ("hello")));

    // Give the loop a moment to be running before the stop request arrives.
    juce::Thread::sleep (300);
    boot.requestStop();
    EXPECT_EQ (boot.waitForExit (15000), 0) << output.loadFileAsString();

    const auto text = output.loadFileAsString().replace ("\r\n", "\n");
    EXPECT_TRUE (text.contains ("Usage: -i/--install")) << text;
    EXPECT_TRUE (text.contains ("Loaded 1 managed application(s)\n")) << text;
    EXPECT_TRUE (text.contains ("running interactively (not registered as a daemon), press Ctrl+C to exit\n")) << text;

    // Stopping the monitor leaves the applications running.
    const auto child = folder.get().getChildFile (programs::executableName ("hostsys_test_child"));
    EXPECT_FALSE (programs::findAllOf (child).empty());
    programs::killAllOf (child);
}

TEST_F (ProgramInteractiveRun, AFaultyConfigurationNamesItsPlaceAndLaunchesNothing)
{
    const auto file = folder.get().getChildFile ("broken.configuration");
    file.replaceWithText ("TorvoBootConfiguration {\n    applications = [ ManagedApplication { enabled = yes } ]\n}\n");
    ScopedEnvironment configuration ("TORVO_BOOT_CONFIGURATION", file.getFullPathName());

    const auto text = runCopyUntilMonitoring ({ "--unknown-option" });
    EXPECT_TRUE (text.contains ("Command line: --unknown-option\n")) << text;
    EXPECT_TRUE (text.contains ("Error: " + file.getFullPathName() + ":2:53: expected true or false, found \"yes\" - none of it is applied\n")) << text;
    EXPECT_TRUE (text.contains ("Error: The boot configuration cannot be used - no application is launched\n")) << text;
    EXPECT_FALSE (text.contains ("Failed to launch ")) << "the default applications are not tried either:\n" << text;
    EXPECT_TRUE (text.contains ("press Ctrl+C to exit\n")) << "the monitor still runs and obeys commands:\n" << text;
}

// systemd hands INVOCATION_ID to every program of a unit, terminals of the
// user's service manager included: on its own it is no service start.
TEST_F (ProgramInteractiveRun, AnInvocationIdAloneLeavesTheRunInteractive)
{
    ScopedEnvironment configuration ("TORVO_BOOT_CONFIGURATION", folder.get().getChildFile ("none.configuration").getFullPathName());
    ScopedEnvironment invocation ("INVOCATION_ID", "0123456789abcdef0123456789abcdef");
    ScopedEnvironment notify ("NOTIFY_SOCKET", "");

    const auto text = runCopyUntilMonitoring ({});
    EXPECT_TRUE (text.contains ("running interactively (not registered as a daemon), press Ctrl+C to exit\n")) << text;
    EXPECT_FALSE (text.contains ("at service start")) << text;
}
