#include "hostsys/Process.h"
#include "DesktopOpener_linux.h"
#include <tavcore/ExecutionContext.h>
#include <cerrno>

namespace os
{

namespace
{
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

bool Process::startSystemPreferenceProcess (SystemPreferenceProcess dialog)
{
    const auto settingsFile = getSettingsFile (dialog);

    if (settingsFile.isEmpty())
        return fail (ENOSYS, "This system has no such settings dialog");

    const auto opener = detail::findDesktopOpener();

    if (opener == juce::File())
        return fail (ENOENT, "No editor of the system environment variables: the desktop's xdg-open was not found on PATH");

    if (! detail::openWithDesktop (opener, settingsFile))
        return fail (errno != 0 ? errno : ENOEXEC, "Cannot start " + opener.getFullPathName());

    return true;
}

bool Process::revealToUser (const juce::File& file)
{
    const auto opener = detail::findDesktopOpener();

    if (opener == juce::File())
        return fail (ENOENT, "Cannot show " + file.getFullPathName() + ": the desktop's xdg-open was not found on PATH");

    // Linux file managers have no common way to select a file: its folder opens.
    const auto shown = file.isDirectory() ? file : file.getParentDirectory();

    if (! shown.isDirectory())
        return fail (ENOENT, "Cannot show " + file.getFullPathName() + ": its folder does not exist");

    return detail::openWithDesktop (opener, shown.getFullPathName());
}

} // namespace os
