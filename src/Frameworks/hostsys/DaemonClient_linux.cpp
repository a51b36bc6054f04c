#include "hostsys/DaemonClient.h"
#include "SystemdUnit_linux.h"
#include <tavcore/ExecutionContext.h>
#include <tavcore/Thread.h>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace os
{

namespace
{
    // systemctl waits for its job; a stop waits for the service to end.
    constexpr int systemctlTimeoutMs = 30000;
    constexpr int systemctlStopTimeoutMs = 60000;

    juce::String getOsErrorText()
    {
        return tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false));
    }

    /** systemctl as the PATH finds it, or nullopt (with an error naming the
        service and what was attempted) where systemd is not available. */
    std::optional<juce::File> findSystemctl (const juce::String& action, const juce::String& name)
    {
        const auto path = juce::SystemStats::getEnvironmentVariable ("PATH", {});

        for (const auto& directory : juce::StringArray::fromTokens (path, ":", {}))
        {
            const auto candidate = juce::File::getCurrentWorkingDirectory().getChildFile (directory).getChildFile ("systemctl");

            if (directory.isNotEmpty() && ::access (candidate.getFullPathName().toRawUTF8(), X_OK) == 0)
                return candidate;
        }

        tav::ExecutionContext::get().error ("Cannot " + action + " the service " + name
                                            + ": systemctl was not found on PATH (systemd is needed to manage services)");
        return std::nullopt;
    }

    juce::File getUnitFile (const juce::String& name)
    {
        const auto overridden = juce::SystemStats::getEnvironmentVariable ("TORVO_SYSTEMD_UNIT_DIR", {});
        const juce::File directory (overridden.isNotEmpty() ? overridden : "/etc/systemd/system");
        return directory.getChildFile (name + ".service");
    }

    /** Runs systemctl with arguments and answers its exit code, -1 when it
        could not be run or did not end in time. With reportFailure, a
        failure is reported with systemctl's own words. */
    int runSystemctl (const juce::File& systemctl, const juce::StringArray& arguments, int timeoutMs, bool reportFailure)
    {
        juce::StringArray command (systemctl.getFullPathName());
        command.addArray (arguments);
        const auto commandText = "systemctl " + arguments.joinIntoString (" ");

        juce::ChildProcess process;

        if (! process.start (command, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr))
        {
            tav::ExecutionContext::get().error ("Cannot run " + commandText);
            return -1;
        }

        if (! process.waitForProcessToFinish (timeoutMs))
        {
            process.kill();
            tav::ExecutionContext::get().error (commandText + " did not finish within "
                                                + juce::String (timeoutMs / 1000) + " seconds");
            return -1;
        }

        const auto output = process.readAllProcessOutput().trim();
        const auto exitCode = (int) process.getExitCode();

        if (exitCode != 0 && reportFailure)
            tav::ExecutionContext::get().error (commandText + " failed (exit code " + juce::String (exitCode) + ")"
                                                + (output.isNotEmpty() ? ": " + output : juce::String()));

        return exitCode;
    }

    bool runSystemctl (const juce::File& systemctl, const juce::StringArray& arguments)
    {
        return runSystemctl (systemctl, arguments, systemctlTimeoutMs, true) == 0;
    }

    /** Writes a file through the system calls, so that a failure carries
        the operating system's reason. */
    bool writeTextFile (const juce::File& file, const juce::String& text)
    {
        const int fd = ::open (file.getFullPathName().toRawUTF8(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        bool written = fd >= 0;

        if (written)
        {
            const auto size = (ssize_t) text.getNumBytesAsUTF8();
            written = ::write (fd, text.toRawUTF8(), (size_t) size) == size;
            written = (::close (fd) == 0) && written;
        }

        if (! written)
            tav::ExecutionContext::get().error ("Cannot write the unit file " + file.getFullPathName() + ": " + getOsErrorText());

        return written;
    }

    juce::File getRunningExecutable()
    {
        return juce::File ("/proc/self/exe").getLinkedTarget();
    }
}

bool DaemonClient::installDaemon (const juce::String& name, const juce::String& displayName, const juce::String& description)
{
    const auto systemctl = findSystemctl ("install", name);

    if (! systemctl)
        return false;

    const auto unitFile = getUnitFile (name);

    if (! writeTextFile (unitFile, detail::createSystemdServiceUnit (displayName, description, getRunningExecutable())))
        return false;

    return runSystemctl (*systemctl, { "daemon-reload" })
        && runSystemctl (*systemctl, { "enable", name });
}

bool DaemonClient::uninstallDaemon (const juce::String& name)
{
    const auto systemctl = findSystemctl ("uninstall", name);

    if (! systemctl)
        return false;

    const auto unitFile = getUnitFile (name);

    if (! unitFile.existsAsFile())
    {
        tav::ExecutionContext::get().error ("Cannot uninstall the service " + name + ": it is not installed (no unit file "
                                            + unitFile.getFullPathName() + ")");
        return false;
    }

    if (runSystemctl (*systemctl, { "is-active", "--quiet", name }, systemctlTimeoutMs, false) == 0)
        runSystemctl (*systemctl, { "stop", name }, systemctlStopTimeoutMs, true);

    // The unit is removed even when disabling fails, so that nothing of the
    // service is left to start at the next boot.
    bool removed = runSystemctl (*systemctl, { "disable", name });

    if (::unlink (unitFile.getFullPathName().toRawUTF8()) != 0)
    {
        tav::ExecutionContext::get().error ("Cannot remove the unit file " + unitFile.getFullPathName() + ": " + getOsErrorText());
        removed = false;
    }

    return runSystemctl (*systemctl, { "daemon-reload" }) && removed;
}

bool DaemonClient::isDaemonInstalled (const juce::String& name)
{
    return findSystemctl ("query", name) && getUnitFile (name).existsAsFile();
}

bool DaemonClient::isDaemonRunning (const juce::String& name)
{
    const auto systemctl = findSystemctl ("query", name);
    return systemctl && runSystemctl (*systemctl, { "is-active", "--quiet", name }, systemctlTimeoutMs, false) == 0;
}

bool DaemonClient::startDaemon (const juce::String& name)
{
    const auto systemctl = findSystemctl ("start", name);
    return systemctl && runSystemctl (*systemctl, { "start", name });
}

bool DaemonClient::stopDaemon (const juce::String& name)
{
    // systemctl stop returns once the service has stopped or its stop timed out.
    const auto systemctl = findSystemctl ("stop", name);
    return systemctl && runSystemctl (*systemctl, { "stop", name }, systemctlStopTimeoutMs, true) == 0;
}

} // namespace os
