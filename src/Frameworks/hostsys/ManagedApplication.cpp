#include "hostsys/ManagedApplication.h"

namespace os
{

ManagedApplication::ManagedApplication()
{
    // The same order as the member variables of the class.
    for (auto* member : std::initializer_list<tav::Object*> { &executablePath, &arguments, &launchAtLogon, &autoRestart,
                                                              &enabled, &showConsole, &launchInUserSession,
                                                              &ignoreDebugPostfix, &restartDelay,
                                                              &maximumLaunchAttempts, &workingDirectory })
        addMemberVariableObject (*member);
}

} // namespace os
