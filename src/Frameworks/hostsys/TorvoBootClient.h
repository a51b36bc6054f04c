#pragma once

#include "hostsys/TorvoBootCommandId.h"

namespace os
{

//==============================================================================
/**
    Sends commands to the running TorvoBoot service.

    On Windows the command travels as a user-defined control code through the
    service control manager; on Linux as one byte on the service's local
    control socket.
*/
struct TorvoBootClient
{
    /** Delivers the control code of a command for an application index
        (0 to 30, or allApplicationsIndex) to the service "TorvoBoot". True
        when the service received it; false (with an error message on the
        calling thread's context) when nothing received it or the index is
        above 31. */
    static bool sendCommand (TorvoBootCommandIdEnum id, juce::uint8 applicationIndex);

    /** Linux: the path of the service's control socket. The environment
        variable TORVO_BOOT_CONTROL_SOCKET overrides it; otherwise it is
        /run/TorvoBoot/control for root and $XDG_RUNTIME_DIR/TorvoBoot/control
        (or /tmp/TorvoBoot-<uid>/control) for other users. */
    static juce::File getControlSocketFile();
};

} // namespace os
