#include "ServiceControl.h"
#include "ControlSocketReceiver_linux.h"
#include "NotifySocket_linux.h"
#include "TorvoBootClasses.h"
#include "TorvoBootProgram.h"
#include "UserSession.h"
#include <hostsys/DaemonClient.h>
#include <tavcore/ExecutionContext.h>

namespace
{
    // The one command channel of the process: the service's, or the
    // interactive run's.
    ControlSocketReceiver commandChannel;

    /** Started by systemd as the TorvoBoot unit: a notify service is handed
        a notification socket, and the unit also sets a marker of its own.
        INVOCATION_ID is no sign of it: every program of a unit inherits it,
        terminals started by the user's service manager included. */
    bool isStartedByServiceManager()
    {
        return NotifySocket::isAvailable()
            || juce::SystemStats::getEnvironmentVariable (os::DaemonClient::serviceMarkerVariable, {}) == "1";
    }

    TorvoBootProgram* asBootProgram (TorvoBootProgram* program)
    {
        return program != nullptr && program->isInstanceOf (TorvoBootProgramClass::instance) ? program : nullptr;
    }

    void reportSessionAtStart (tav::ExecutionContext& context)
    {
        const int session = getActiveConsoleSessionWithUser();
        exchangeActiveSessionId (session);
        context.information (session == -1 ? juce::String ("No interactive user is logged on at service start")
                                           : "Interactive user already logged on at service start (session " + juce::String (session) + ")");
    }

    void serviceMain (TorvoBootProgram* program)
    {
        auto& context = tav::ExecutionContext::get();

        if (program != nullptr)
            program->attachServiceLog();

        NotifySocket::notify ("STATUS=Starting");
        setRunningAsService();
        reportSessionAtStart (context);
        commandChannel.open (context);

        // SIGTERM is the service manager's stop request.
        tav::Program::activateConsoleStopHandler (true);

        if (program != nullptr && program->startServiceThread())
        {
            NotifySocket::notify ("READY=1\nSTATUS=Watching the managed applications");

            while (! program->isCurrentlyStopping())
                juce::Thread::sleep (200);

            NotifySocket::notify ("STOPPING=1\nSTATUS=Stopping");

            // The channel closes first, so that every command that arrived
            // is queued before the monitor carries out the last of them.
            commandChannel.close();
            program->stopServiceThread();

            // The signal only raised the flag; the program leaves its message loop now.
            program->quit (false);
        }
        else
        {
            context.error ("Failed to start boot service thread");
        }

        commandChannel.close();
    }
}

//==============================================================================
bool runServiceDispatcher (TorvoBootProgram* program)
{
    if (! isStartedByServiceManager())
        return false;

    serviceMain (asBootProgram (program));
    return true;
}

bool openInteractiveCommandChannel (tav::ExecutionContext& context)
{
    return commandChannel.open (context);
}

void closeInteractiveCommandChannel()
{
    commandChannel.close();
}
