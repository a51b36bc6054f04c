#include "SessionUserLauncher_linux.h"
#include <hostsys/ConsoleProcess.h>
#include <tavcore/ExecutionContext.h>
#include <tavcore/Thread.h>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace
{
    /** Everything the child needs, prepared before the fork: after it, only
        async-signal-safe calls are allowed. */
    struct LaunchPlan
    {
        std::vector<std::string> argumentTexts, environmentTexts;
        std::vector<char*> argv, envp;
        std::vector<gid_t> groups;
        std::string executable, directory;
        uid_t uid = 0;
        gid_t gid = 0;
        bool quiet = true;
    };

    std::vector<char*> pointersTo (std::vector<std::string>& texts)
    {
        std::vector<char*> pointers;

        for (auto& text : texts)
            pointers.push_back (text.data());

        pointers.push_back (nullptr);
        return pointers;
    }

    bool lookUpUser (const LogindSessions::Session& session, LaunchPlan& plan, std::string& home, std::string& shell, std::string& name)
    {
        passwd entry {};
        passwd* found = nullptr;
        std::vector<char> buffer (16384);

        if (::getpwuid_r ((uid_t) session.userId, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
            return false;

        plan.uid = entry.pw_uid;
        plan.gid = entry.pw_gid;
        home = entry.pw_dir != nullptr ? entry.pw_dir : "/";
        shell = entry.pw_shell != nullptr ? entry.pw_shell : "/bin/sh";
        name = entry.pw_name != nullptr ? entry.pw_name : session.userName.toStdString();

        int count = 64;
        plan.groups.resize ((size_t) count);

        if (::getgrouplist (name.c_str(), plan.gid, plan.groups.data(), &count) < 0)
        {
            plan.groups.resize ((size_t) count);
            ::getgrouplist (name.c_str(), plan.gid, plan.groups.data(), &count);
        }

        plan.groups.resize ((size_t) juce::jmax (0, count));
        return true;
    }

    void buildEnvironment (const LogindSessions::Session& session, LaunchPlan& plan,
                           const std::string& home, const std::string& shell, const std::string& name)
    {
        plan.environmentTexts = { "HOME=" + home, "USER=" + name, "LOGNAME=" + name, "SHELL=" + shell,
                                  "PATH=/usr/local/bin:/usr/bin:/bin",
                                  "XDG_RUNTIME_DIR=/run/user/" + std::to_string (plan.uid) };

        if (session.display.isNotEmpty())
            plan.environmentTexts.push_back ("DISPLAY=" + session.display.toStdString());

        // Without it an X11 program cannot open an Xorg session's display.
        if (const auto xauthority = LogindSessions::findXAuthority (session, juce::String (home)); xauthority.isNotEmpty())
            plan.environmentTexts.push_back ("XAUTHORITY=" + xauthority.toStdString());

        if (session.waylandDisplay.isNotEmpty())
            plan.environmentTexts.push_back ("WAYLAND_DISPLAY=" + session.waylandDisplay.toStdString());

        for (auto* inherited : { "LANG", "LC_ALL", "TZ" })
            if (const char* value = ::getenv (inherited))
                plan.environmentTexts.push_back (std::string (inherited) + "=" + value);
    }

    /** Hands errno to the parent and ends the child. */
    [[noreturn]] void failChild (int errorPipe)
    {
        const int code = errno;
        [[maybe_unused]] auto written = ::write (errorPipe, &code, sizeof (code));
        ::_exit (127);
    }

    [[noreturn]] void runChild (const LaunchPlan& plan, int errorPipe)
    {

        ::setsid();

        if (plan.quiet)
        {
            const int null = ::open ("/dev/null", O_RDWR);
            ::dup2 (null, 0);
            ::dup2 (null, 1);
            ::dup2 (null, 2);
        }

        if (::setgroups (plan.groups.size(), plan.groups.data()) != 0 || ::setgid (plan.gid) != 0 || ::setuid (plan.uid) != 0)
            failChild (errorPipe);

        if (! plan.directory.empty() && ::chdir (plan.directory.c_str()) != 0)
            failChild (errorPipe);

        ::execve (plan.executable.c_str(), plan.argv.data(), plan.envp.data());
        failChild (errorPipe);
    }
}

juce::uint64 launchAsSessionUser (const LogindSessions::Session& session, const juce::String& executable,
                                  const juce::String& arguments, const juce::String& workingDirectory, bool showConsole)
{
    auto& log = tav::ExecutionContext::get();
    LaunchPlan plan;
    std::string home, shell, name;

    if (! lookUpUser (session, plan, home, shell, name))
    {
        log.error ("Cannot launch " + executable + ": user " + juce::String (session.userId) + " of session "
                   + juce::String (session.id) + " is unknown");
        return 0;
    }

    plan.executable = executable.toStdString();
    plan.directory = workingDirectory.toStdString();
    plan.quiet = ! showConsole;
    plan.argumentTexts.push_back (plan.executable);

    for (auto& argument : os::ConsoleProcess::splitCommandLine (arguments))
        plan.argumentTexts.push_back (argument.toStdString());

    buildEnvironment (session, plan, home, shell, name);
    plan.argv = pointersTo (plan.argumentTexts);
    plan.envp = pointersTo (plan.environmentTexts);

    int errorPipe[2];

    if (::pipe2 (errorPipe, O_CLOEXEC) != 0)
    {
        log.error ("Cannot launch " + executable + ": " + tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false)));
        return 0;
    }

    const pid_t child = ::fork();

    if (child == 0)
        runChild (plan, errorPipe[1]);

    ::close (errorPipe[1]);
    int childError = 0;
    const auto got = child > 0 ? ::read (errorPipe[0], &childError, sizeof (childError)) : -1;
    ::close (errorPipe[0]);

    if (child < 0 || got > 0)
    {
        if (child > 0)
            ::waitpid (child, nullptr, 0);

        const auto code = child < 0 ? tav::Thread::getLastOsErrorCode (false) : (juce::uint32) childError;
        log.error ("Cannot start " + executable + " as " + juce::String (name) + ": " + tav::Thread::getOsErrorCodeString (code));
        return 0;
    }

    return (juce::uint64) child;
}
