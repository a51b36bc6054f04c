#include "tavcore/Program.h"
#include <sched.h>

namespace tav
{

void Program::setProcessEcoMode (bool shouldSaveEnergy)
{
    // The batch class lets the scheduler run the program's threads in longer,
    // rarer slices; the reset-on-fork flag keeps launched programs out of it.
    sched_param parameters {};
    const int policy = shouldSaveEnergy ? (SCHED_BATCH | SCHED_RESET_ON_FORK) : SCHED_OTHER;
    sched_setscheduler (0, policy, &parameters);
}

} // namespace tav
