#include "SystemdUnit_linux.h"
#include "hostsys/DaemonClient.h"

namespace os::detail
{

namespace
{
    /** A value on one line, with systemd's specifier character escaped. */
    juce::String toUnitValue (const juce::String& text)
    {
        return text.replaceCharacters ("\r\n", "  ").replace ("%", "%%");
    }

    /** The executable as the first word of ExecStart: quoted with C-style
        escapes where it holds white space or quoting characters, and with
        specifier and variable characters doubled. */
    juce::String toExecStartWord (const juce::String& path)
    {
        auto word = path.replace ("%", "%%").replace ("$", "$$");

        if (! word.containsAnyOf (" \t\"'\\;"))
            return word;

        return "\"" + word.replace ("\\", "\\\\").replace ("\"", "\\\"") + "\"";
    }
}

juce::String createSystemdServiceUnit (const juce::String& displayName, const juce::String& description,
                                       const juce::File& executable)
{
    juce::String text;
    text << "# " << toUnitValue (description) << "\n"
         << "[Unit]\n"
         << "Description=" << toUnitValue (displayName) << "\n"
         << "\n"
         << "[Service]\n"
         << "Type=notify\n"
         << "Environment=" << DaemonClient::serviceMarkerVariable << "=1\n"
         << "ExecStart=" << toExecStartWord (executable.getFullPathName()) << "\n"
         << "KillMode=process\n"
         << "Restart=on-failure\n"
         << "\n"
         << "[Install]\n"
         << "WantedBy=multi-user.target\n";
    return text;
}

} // namespace os::detail
