#include "tavcore/Program.h"
#include <windows.h>

namespace tav
{

void Program::setProcessEcoMode (bool shouldSaveEnergy)
{
    // Power throttling ("EcoQoS") applies to this process only; children
    // start without it. Older systems ignore the request.
    PROCESS_POWER_THROTTLING_STATE state {};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = PROCESS_POWER_THROTTLING_EXECUTION_SPEED;
    state.StateMask = shouldSaveEnergy ? PROCESS_POWER_THROTTLING_EXECUTION_SPEED : 0;
    ::SetProcessInformation (::GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof (state));
}

} // namespace tav
