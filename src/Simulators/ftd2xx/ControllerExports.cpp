#include "Bt815.h"
#include "D2xxApi.h"
#include "SimulatedBus.h"

#include <algorithm>

using namespace ftd2xxsim;

namespace
{

/** Runs action on the first display controller under the bus lock; 0 when there is none. */
template <typename Action>
int withController (Action action)
{
    auto& bus = SimulatedBus::instance();
    std::lock_guard<std::mutex> guard (bus.lock);
    auto* controller = bus.displayController();
    return controller != nullptr ? action (*controller) : 0;
}

} // namespace

int FTSIM_CALL FTSim_ReadMemory (std::uint32_t address, std::uint8_t* buffer, std::uint32_t size)
{
    return withController ([=] (Bt815& controller)
    {
        for (std::uint32_t i = 0; i < size; ++i)
            buffer[i] = controller.peek (address + i);

        return 1;
    });
}

int FTSIM_CALL FTSim_GetHostCommands (std::uint8_t* buffer, std::uint32_t size)
{
    return withController ([=] (Bt815& controller)
    {
        const auto& commands = controller.hostCommands;
        std::copy_n (commands.begin(), std::min<std::size_t> (size, commands.size()), buffer);
        return static_cast<int> (commands.size());
    });
}

int FTSIM_CALL FTSim_SetBootReads (int reads)
{
    return withController ([=] (Bt815& controller)
    {
        controller.setBootReads (reads);
        return 1;
    });
}

int FTSIM_CALL FTSim_SetEngineStartReads (int reads)
{
    return withController ([=] (Bt815& controller)
    {
        controller.setEngineStartReads (reads);
        return 1;
    });
}

int FTSIM_CALL FTSim_InjectCoprocessorFault (const char* text)
{
    return withController ([=] (Bt815& controller)
    {
        controller.injectCoprocessorFault (text != nullptr && *text != 0 ? text : "fault");
        return 1;
    });
}

int FTSIM_CALL FTSim_Touch (int x, int y)
{
    return withController ([=] (Bt815& controller)
    {
        controller.touch (x, y);
        return 1;
    });
}
