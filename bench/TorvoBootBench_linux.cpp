// What the boot service costs on a real Linux system, each figure set against
// a named baseline in the same run:
//   idle CPU of an interactive run watching 31 applications  vs  the 1 % budget
//   relaunch after an exit, with no restart delay             vs  one update period
//   one re-adoption scan among 500 extra processes           vs  listing /proc alone
//
//   torvoboot_bench [seconds of idle measurement, default 10]

#include <hostsys/Process.h>
#include <tavcore/Thread.h>
#include <juce_core/juce_core.h>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
    const juce::File binFolder = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getParentDirectory();

    pid_t spawn (const std::vector<std::string>& arguments, const juce::File& output = {})
    {
        std::vector<char*> argv;
        for (auto& a : arguments)
            argv.push_back (const_cast<char*> (a.c_str()));
        argv.push_back (nullptr);

        const auto outputPath = output.getFullPathName().toStdString();
        const pid_t pid = ::fork();

        if (pid == 0)
        {
            const int fd = ::open (outputPath.empty() ? "/dev/null" : outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2 (fd, 1);
            ::dup2 (fd, 2);
            ::execv (argv[0], argv.data());
            ::_exit (127);
        }

        return pid;
    }

    void stop (pid_t pid, int signal = SIGTERM)
    {
        ::kill (pid, signal);
        ::waitpid (pid, nullptr, 0);
    }

    /** CPU time of every thread of a process, in seconds, to the nanosecond
        (the scheduler's own account, finer than the tick-based counters). */
    double cpuSecondsOf (pid_t pid)
    {
        double seconds = 0;

        for (auto& task : juce::File ("/proc/" + juce::String (pid) + "/task").findChildFiles (juce::File::findDirectories, false))
            seconds += task.getChildFile ("schedstat").loadFileAsString().upToFirstOccurrenceOf (" ", false, false).getLargeIntValue() / 1.0e9;

        return seconds;
    }

    juce::File writeConfiguration (const juce::File& folder, int applications, double restartDelay)
    {
        juce::String text ("TorvoBootConfiguration {\n    applications = [\n");

        for (int i = 0; i < applications; ++i)
            text << "        ManagedApplication {executablePath = \"/bin/sleep\", arguments = \"600 " << i
                 << "\", restartDelay = " << restartDelay << "}\n";

        const auto file = folder.getChildFile ("bench.configuration");
        file.replaceWithText (text + "    ]\n}\n");
        return file;
    }

    void killSleepers()
    {
        const auto ids = os::Process::findRunningProcessIds ("/bin/sleep", {});
        os::Process::killAllInstances (std::set<juce::uint64> (ids.begin(), ids.end()));
        const auto usrIds = os::Process::findRunningProcessIds ("/usr/bin/sleep", {});
        os::Process::killAllInstances (std::set<juce::uint64> (usrIds.begin(), usrIds.end()));
    }

    juce::uint64 latestLaunchedProcess (const juce::File& output, int& launches)
    {
        const auto lines = juce::StringArray::fromLines (output.loadFileAsString());
        juce::uint64 latest = 0;
        launches = 0;

        for (auto& line : lines)
        {
            if (line.startsWith ("Launched "))
            {
                ++launches;
                latest = (juce::uint64) line.fromLastOccurrenceOf ("(pid=", false, false).getLargeIntValue();
            }
        }

        return latest;
    }

    //==============================================================================
    void measureIdleCpu (const juce::File& folder, int seconds)
    {
        ::setenv ("TORVO_BOOT_CONFIGURATION", writeConfiguration (folder, 31, 5).getFullPathName().toRawUTF8(), 1);
        const auto output = folder.getChildFile ("idle.txt");
        const pid_t boot = spawn ({ binFolder.getChildFile ("TorvoBoot").getFullPathName().toStdString() }, output);

        juce::Thread::sleep (2000);
        int launched = 0;
        latestLaunchedProcess (output, launched);
        const double before = cpuSecondsOf (boot);
        juce::Thread::sleep (seconds * 1000);
        const double used = cpuSecondsOf (boot) - before;
        stop (boot);
        killSleepers();

        const double percent = 100.0 * used / seconds;
        std::printf ("idle interactive run, 31 watched applications (%d launched): %.4f %% of one core over %d s; "
                     "ratio to the 1 %% budget: %.4f\n", launched, percent, seconds, percent / 1.0);
    }

    //==============================================================================
    void measureRelaunch (const juce::File& folder)
    {
        ::setenv ("TORVO_BOOT_CONFIGURATION", writeConfiguration (folder, 1, 0).getFullPathName().toRawUTF8(), 1);
        const auto output = folder.getChildFile ("relaunch.txt");
        const pid_t boot = spawn ({ binFolder.getChildFile ("TorvoBoot").getFullPathName().toStdString() }, output);
        std::vector<double> delays;
        int launches = 0;

        juce::Thread::sleep (500);

        for (int round = 0; round < 20; ++round)
        {
            const auto watched = latestLaunchedProcess (output, launches);
            const int before = launches;
            const auto start = juce::Time::getMillisecondCounterHiRes();
            ::kill ((pid_t) watched, SIGKILL);

            while (latestLaunchedProcess (output, launches) == watched || launches == before)
            {
                if (juce::Time::getMillisecondCounterHiRes() - start > 5000)
                    break;
                juce::Thread::sleep (1);
            }

            delays.push_back (juce::Time::getMillisecondCounterHiRes() - start);
            juce::Thread::sleep (50);
        }

        stop (boot);
        killSleepers();
        std::sort (delays.begin(), delays.end());
        const double period = tav::Thread::updatePeriodMs;
        std::printf ("relaunch after an exit (restartDelay 0), 20 rounds: median %.1f ms, worst %.1f ms; "
                     "ratio to one update period (%.0f ms): median %.2f, worst %.2f\n",
                     delays[delays.size() / 2], delays.back(), period, delays[delays.size() / 2] / period, delays.back() / period);
    }

    //==============================================================================
    int listProcesses()
    {
        int count = 0;
        DIR* proc = ::opendir ("/proc");
        while (auto* entry = ::readdir (proc))
            count += (entry->d_name[0] >= '0' && entry->d_name[0] <= '9') ? 1 : 0;
        ::closedir (proc);
        return count;
    }

    template <typename Function>
    double millisecondsPerCall (Function&& function, int calls)
    {
        const auto start = juce::Time::getMillisecondCounterHiRes();
        for (int i = 0; i < calls; ++i)
            function();
        return (juce::Time::getMillisecondCounterHiRes() - start) / calls;
    }

    void measureScan()
    {
        std::vector<pid_t> crowd;
        for (int i = 0; i < 500; ++i)
            crowd.push_back (spawn ({ "/bin/sleep", "600", std::to_string (i) }));

        juce::Thread::sleep (500);
        const int processes = listProcesses();
        const auto options = os::Process::Options().withArguments ("--not-running").withIgnoreDebugPostfix (true);
        const double baseline = millisecondsPerCall ([] { listProcesses(); }, 50);
        const double scan = millisecondsPerCall ([&] { os::Process::findRunningProcessIds ("/opt/torvo/Torvo", options); }, 20);
        const double hit = millisecondsPerCall ([&] { os::Process::findRunningProcessIds ("/bin/sleep", os::Process::Options().withArguments ("600 499")); }, 20);

        for (auto pid : crowd)
            stop (pid, SIGKILL);

        std::printf ("re-adoption scan with %d processes: %.2f ms for an absent program, %.2f ms for a present one; "
                     "listing /proc alone: %.3f ms; ratios: %.1f and %.1f\n",
                     processes, scan, hit, baseline, scan / baseline, hit / baseline);
    }
}

int main (int argc, char** argv)
{
    const int idleSeconds = argc > 1 ? std::max (1, std::atoi (argv[1])) : 10;
    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("torvoboot-bench-" + juce::Uuid().toString());
    folder.createDirectory();
    ::setenv ("TORVO_BOOT_CONTROL_SOCKET", folder.getChildFile ("control").getFullPathName().toRawUTF8(), 1);

    measureIdleCpu (folder, idleSeconds);
    measureRelaunch (folder);
    measureScan();

    folder.deleteRecursively();
    return 0;
}
