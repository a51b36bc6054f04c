#include "DesktopOpener_linux.h"
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace os::detail
{

juce::File findDesktopOpener()
{
    const auto path = juce::SystemStats::getEnvironmentVariable ("PATH", {});

    for (const auto& folder : juce::StringArray::fromTokens (path, ":", {}))
        if (const auto candidate = juce::File::getCurrentWorkingDirectory().getChildFile (folder).getChildFile ("xdg-open");
            candidate.existsAsFile())
            return candidate;

    return {};
}

bool openWithDesktop (const juce::File& opener, const juce::String& path)
{
    // A shell in between runs the opener in the background and ends at once,
    // so the opener is nobody's child here and leaves no zombie behind; "$0"
    // and "$1" keep both paths out of the shell's parsing.
    const juce::String script = "\"$0\" \"$1\" >/dev/null 2>&1 </dev/null &";
    const auto openerPath = opener.getFullPathName();
    const char* arguments[] = { "/bin/sh", "-c", script.toRawUTF8(), openerPath.toRawUTF8(), path.toRawUTF8(), nullptr };
    pid_t shell = 0;

    if (const auto error = ::posix_spawn (&shell, "/bin/sh", nullptr, nullptr, const_cast<char**> (arguments), environ); error != 0)
    {
        errno = error;
        return false;
    }

    int status = 0;
    ::waitpid (shell, &status, 0);
    return WIFEXITED (status) && WEXITSTATUS (status) == 0;
}

} // namespace os::detail
