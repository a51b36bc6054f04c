#include "SimulatedDevices.h"

namespace ftd2xxsim
{

ScopedSimulatedDevices::ScopedSimulatedDevices (const char* devices) : previous (simulatedDevices())
{
    setSimulatedDevices (devices != nullptr ? std::optional<std::string> (devices) : std::nullopt);
}

ScopedSimulatedDevices::~ScopedSimulatedDevices()
{
    setSimulatedDevices (previous);
}

} // namespace ftd2xxsim
