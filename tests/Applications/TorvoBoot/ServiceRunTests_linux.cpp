#include <gtest/gtest.h>
#include "BootProgramRun.h"
#include "ScopedEnvironment.h"
#include "StoppableProcess.h"
#include "TemporaryFolder.h"
#include "TestPrograms.h"
#include "TestProcesses.h"
#include "Waiting.h"
#include <hostsys/Process.h>
#include <cstring>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// TorvoBoot as systemd runs it, with this test in systemd's and logind's
// places: it reads the notification socket, publishes a logged-on session
// and sends the stop signal.

namespace
{
    /** A datagram socket bound at a path, as systemd's notification socket is. */
    class DatagramListener
    {
    public:
        explicit DatagramListener (const juce::File& file) : path (file.getFullPathName())
        {
            sockaddr_un address {};
            address.sun_family = AF_UNIX;
            std::strncpy (address.sun_path, file.getFullPathName().toRawUTF8(), sizeof (address.sun_path) - 1);
            descriptor = ::socket (AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
            ::bind (descriptor, reinterpret_cast<sockaddr*> (&address), sizeof (address));
        }

        ~DatagramListener()
        {
            ::close (descriptor);
            ::unlink (path.toRawUTF8());
        }

        /** Waits (bounded) for a message containing the text; all seen so far are kept. */
        bool waitFor (const juce::String& text, int timeoutMs = 15000)
        {
            for (auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs; ! received.contains (text);)
            {
                if (juce::Time::getMillisecondCounter() >= deadline)
                    return false;

                pollfd entry { descriptor, POLLIN, 0 };

                if (::poll (&entry, 1, 50) > 0)
                {
                    char buffer[512] = {};
                    const auto size = ::recv (descriptor, buffer, sizeof (buffer) - 1, 0);
                    if (size > 0)
                        received << juce::String (buffer, (size_t) size) << "\n";
                }
            }

            return true;
        }

        juce::String received;

    private:
        juce::String path;
        int descriptor = -1;
    };

    juce::uint64 findLaunchedProcessId (const juce::String& output)
    {
        const auto afterLaunch = output.fromFirstOccurrenceOf ("Launched ", false, false);
        return (juce::uint64) afterLaunch.fromFirstOccurrenceOf ("(pid=", false, false).getLargeIntValue();
    }

    juce::String readProcFile (juce::uint64 processId, const char* name)
    {
        juce::MemoryBlock data;
        juce::File ("/proc/" + juce::String (processId) + "/" + name).loadFileAsData (data);

        // The environment separates its entries with NUL bytes.
        for (size_t i = 0; i < data.getSize(); ++i)
            if (data[i] == 0)
                data[i] = '\n';

        return juce::String::fromUTF8 (static_cast<const char*> (data.getData()), (int) data.getSize());
    }

    juce::uint64 findLastLaunchedProcessId (const juce::String& output)
    {
        return findLaunchedProcessId (output.fromLastOccurrenceOf ("Launched ", true, false));
    }

    /** True while a process runs (a zombie has ended). */
    bool isAlive (juce::uint64 processId)
    {
        const auto status = readProcFile (processId, "status");
        return status.isNotEmpty() && ! status.contains ("State:\tZ");
    }

    int countOf (const juce::String& text, const juce::String& part)
    {
        int count = 0;

        for (int i = text.indexOf (part); i >= 0; i = text.indexOf (i + 1, part))
            ++count;

        return count;
    }

    /** Waits (bounded) until the file holds the text the given number of times. */
    bool waitForOccurrences (const juce::File& file, const juce::String& text, int times)
    {
        return waitUntil ([&] { return countOf (file.loadFileAsString(), text) >= times; }, 15000, 20);
    }
}

TEST (ServiceRun, StartedBySystemdItServesTheLoggedOnUserAndStopsOnSigterm)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "starting programs as another user needs root";

    const passwd* nobody = ::getpwnam ("nobody");
    ASSERT_NE (nobody, nullptr);

    TemporaryFolder folder;
    const auto& root = folder.get();
    ::chmod (root.getFullPathName().toRawUTF8(), 0777);

    // logind's view: seat0's active session 7 belongs to nobody, on display :5.
    root.getChildFile ("logind/seats").createDirectory();
    root.getChildFile ("logind/sessions").createDirectory();
    root.getChildFile ("logind/seats/seat0").replaceWithText ("ACTIVE=7\n");
    // Its leader holds the X authority file its programs use.
    const auto leaderFolder = root.getChildFile ("leader");
    leaderFolder.createDirectory();
    const auto leaderProgram = programs::copyTestChild (leaderFolder);
    std::unique_ptr<StoppableProcess> leader;
    {
        ScopedEnvironment xauthority ("XAUTHORITY", "/run/user/5/gdm/Xauthority");
        leader = std::make_unique<StoppableProcess> (leaderProgram, juce::StringArray { "-", "60000", "0" }, leaderFolder.getChildFile ("out.txt"));
    }
    juce::uint64 leaderId = 0;
    for (int i = 0; i < 300 && leaderId == 0; ++i, juce::Thread::sleep (10))
        if (const auto ids = programs::findAllOf (leaderProgram); ! ids.empty())
            leaderId = ids.front();
    ASSERT_NE (leaderId, 0u);
    root.getChildFile ("logind/sessions/7").replaceWithText ("UID=" + juce::String (nobody->pw_uid) + "\nUSER=nobody\nSTATE=active\nDISPLAY=:5\nLEADER="
                                                             + juce::String (leaderId) + "\n");

    const auto report = root.getChildFile ("child.report");
    // The configuration stays in a folder only root may write, as a root
    // service requires; the test's own folder is open to nobody's children.
    const auto configuration = root.getChildFile ("etc/boot.configuration");
    configuration.getParentDirectory().createDirectory();
    configuration.replaceWithText ("TorvoBootConfiguration {applications = [ManagedApplication {executablePath = \""
                                   + programs::copyTestChild (root).getFullPathName() + "\", arguments = \""
                                   + report.getFullPathName() + " 60000 0\"}]}\n");

    DatagramListener systemd (root.getChildFile ("notify"));
    ScopedEnvironment notify ("NOTIFY_SOCKET", root.getChildFile ("notify").getFullPathName());
    ScopedEnvironment logind ("TORVO_LOGIND_RUNTIME_DIR", root.getChildFile ("logind").getFullPathName());
    ScopedEnvironment config ("TORVO_BOOT_CONFIGURATION", configuration.getFullPathName());
    ScopedEnvironment control ("TORVO_BOOT_CONTROL_SOCKET", root.getChildFile ("run/control").getFullPathName());
    ScopedEnvironment home ("HOME", root.getFullPathName());
    const auto output = root.getChildFile ("output.txt");

    StoppableProcess boot (programs::find ("TorvoBoot"), {}, output);
    ASSERT_TRUE (systemd.waitFor ("READY=1")) << output.loadFileAsString();
    ASSERT_TRUE (waitForFile (report)) << output.loadFileAsString();
    ASSERT_TRUE (waitForText (output, "Launched "));

    // The application runs as the session's user, in that user's environment.
    const auto child = findLaunchedProcessId (output.loadFileAsString());
    EXPECT_TRUE (readProcFile (child, "status").contains ("Uid:\t" + juce::String (nobody->pw_uid) + "\t"));
    const auto environment = readProcFile (child, "environ");
    EXPECT_TRUE (environment.contains ("USER=nobody\n")) << environment;
    EXPECT_TRUE (environment.contains ("DISPLAY=:5\n")) << environment;
    EXPECT_TRUE (environment.contains ("XAUTHORITY=/run/user/5/gdm/Xauthority\n")) << environment;

    // Only the owner may reach the control socket.
    struct stat socketStatus {};
    ASSERT_EQ (::stat (root.getChildFile ("run/control").getFullPathName().toRawUTF8(), &socketStatus), 0);
    EXPECT_EQ (socketStatus.st_mode & 0777, 0600u);

    const auto killed = programs::run ("TorvoBoot", { "-c=killApplication", "-a=0" });
    EXPECT_EQ (killed.exitCode, 0) << killed.output;
    EXPECT_TRUE (waitForText (output, " killed\n")) << output.loadFileAsString();

    // Only codes 128 to 255 carry commands; anything else is refused.
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy (address.sun_path, root.getChildFile ("run/control").getFullPathName().toRawUTF8(), sizeof (address.sun_path) - 1);
        const int sender = ::socket (AF_UNIX, SOCK_DGRAM, 0);
        const juce::uint8 code = 100;
        ::sendto (sender, &code, 1, 0, reinterpret_cast<sockaddr*> (&address), sizeof (address));
        ::close (sender);
    }
    EXPECT_TRUE (waitForText (output, "Warning: Refused control code 100: commands are codes 128 to 255\n")) << output.loadFileAsString();

    // The uninstaller's kill comes just before the stop: it is carried out all the same.
    EXPECT_EQ (programs::run ("TorvoBoot", { "-c=startApplication" }).exitCode, 0);
    ASSERT_TRUE (waitForOccurrences (output, "Launched ", 2)) << output.loadFileAsString();
    const auto relaunched = findLastLaunchedProcessId (output.loadFileAsString());
    EXPECT_EQ (programs::run ("TorvoBoot", { "-c=killApplication" }).exitCode, 0);
    boot.requestStop();
    EXPECT_TRUE (systemd.waitFor ("STOPPING=1"));
    EXPECT_EQ (boot.waitForExit (15000), 0);
    EXPECT_FALSE (isAlive (relaunched)) << output.loadFileAsString();
    programs::killAllOf (root.getChildFile (programs::executableName ("hostsys_test_child")));

    const auto text = output.loadFileAsString();
    EXPECT_TRUE (text.contains ("Interactive user already logged on at service start (session 7)\n")) << text;
    EXPECT_FALSE (text.contains ("running interactively")) << text;
    EXPECT_FALSE (root.getChildFile ("run/control").exists()) << "the socket goes with the service";

    // A service has no console: its messages also land in its log file.
    const auto log = root.getChildFile (".config/Torvo Boot/logs/TorvoBoot.log").loadFileAsString();
    EXPECT_TRUE (log.contains (" Interactive user already logged on at service start (session 7)\n")) << log;
    EXPECT_TRUE (log.contains (" Loaded 1 managed application(s)\n")) << log;
}

// A root service runs what its configuration names: a file every user may
// write is refused like a faulty one, and nothing of it is launched.
TEST (RootRun, RefusesAConfigurationOthersMayWrite)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only a root service checks who may write its configuration";

    TemporaryFolder folder;
    const auto report = folder.get().getChildFile ("child.report");
    const auto configuration = folder.get().getChildFile ("boot.configuration");
    configuration.replaceWithText ("TorvoBootConfiguration {applications = [ManagedApplication {executablePath = \""
                                   + programs::copyTestChild (folder.get()).getFullPathName() + "\", arguments = \""
                                   + report.getFullPathName() + " 60000 0\"}]}\n");
    ASSERT_EQ (::chmod (configuration.getFullPathName().toRawUTF8(), 0666), 0);
    ScopedEnvironment variable ("TORVO_BOOT_CONFIGURATION", configuration.getFullPathName());

    const auto text = programs::runCopyUntilMonitoring (folder.get(), {});
    EXPECT_TRUE (text.contains ("Error: Refused the boot configuration " + configuration.getFullPathName() + ": "
                                + configuration.getFullPathName() + " may be written by every user - none of it is applied\n")) << text;
    EXPECT_TRUE (text.contains ("Error: The boot configuration cannot be used - no application is launched\n")) << text;
    EXPECT_FALSE (report.exists()) << text;
}
