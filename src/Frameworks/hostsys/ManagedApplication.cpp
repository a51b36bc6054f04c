#include "hostsys/ManagedApplication.h"

namespace os
{

ManagedApplication::ManagedApplication()
{
    // The same order as the member variables of the class.
    addMemberVariableObject (executablePath, "executablePath");
    addMemberVariableObject (arguments, "arguments");
    addMemberVariableObject (launchAtLogon, "launchAtLogon");
    addMemberVariableObject (autoRestart, "autoRestart");
    addMemberVariableObject (enabled, "enabled");
    addMemberVariableObject (showConsole, "showConsole");
    addMemberVariableObject (launchInUserSession, "launchInUserSession");
    addMemberVariableObject (ignoreDebugPostfix, "ignoreDebugPostfix");
    addMemberVariableObject (restartDelay, "restartDelay");
    addMemberVariableObject (maximumLaunchAttempts, "maximumLaunchAttempts");
    addMemberVariableObject (workingDirectory, "workingDirectory");
    addMemberVariableObject (colorLabel, "colorLabel");
}

} // namespace os
