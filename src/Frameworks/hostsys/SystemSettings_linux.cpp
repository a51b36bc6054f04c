#include "hostsys/Process.h"
#include <tavcore/ExecutionContext.h>
#include <cerrno>
#include <pwd.h>

namespace os
{

namespace
{
    /** The desktop's opener of files (xdg-open) as the PATH finds it, or an
        empty File. */
    juce::File findDesktopOpener()
    {
        const auto path = juce::SystemStats::getEnvironmentVariable ("PATH", {});

        for (const auto& folder : juce::StringArray::fromTokens (path, ":", {}))
            if (const auto candidate = juce::File::getCurrentWorkingDirectory().getChildFile (folder).getChildFile ("xdg-open");
                candidate.existsAsFile())
                return candidate;

        return {};
    }

    /** What each dialog is on a Linux desktop: the file the desktop opens,
        or empty for one that Linux has no counterpart of. */
    juce::String getSettingsFile (SystemPreferenceProcess dialog)
    {
        // The machine-wide environment of Linux sessions is /etc/environment,
        // read by pam_env at every logon.
        return dialog == SystemPreferenceProcess::systemEnvironmentVariables ? "/etc/environment" : juce::String();
    }

    bool fail (int errorCode, const juce::String& why)
    {
        tav::ExecutionContext::get().error (why);
        errno = errorCode;
        return false;
    }
}

juce::File Process::getSystemUserDirectory()
{
    const auto overridden = juce::SystemStats::getEnvironmentVariable ("TORVO_SYSTEM_USER_DIRECTORY", {});

    if (overridden.isNotEmpty())
        return juce::File::getCurrentWorkingDirectory().getChildFile (overridden);

    // Services run as root.
    if (const auto* root = ::getpwuid (0); root != nullptr && root->pw_dir != nullptr && *root->pw_dir != 0)
        return juce::File (juce::String::fromUTF8 (root->pw_dir));

    return {};
}

bool Process::startSystemPreferenceProcess (SystemPreferenceProcess dialog)
{
    const auto settingsFile = getSettingsFile (dialog);

    if (settingsFile.isEmpty())
        return fail (ENOSYS, "This system has no such settings dialog");

    const auto opener = findDesktopOpener();

    if (opener == juce::File())
        return fail (ENOENT, "No editor of the system environment variables: the desktop's xdg-open was not found on PATH");

    juce::ChildProcess child;

    if (! child.start (juce::StringArray { opener.getFullPathName(), settingsFile }, 0))
        return fail (errno != 0 ? errno : ENOEXEC, "Cannot start " + opener.getFullPathName());

    // The opener hands the file to the desktop's editor and ends; the editor
    // stays open on its own.
    return true;
}

} // namespace os
