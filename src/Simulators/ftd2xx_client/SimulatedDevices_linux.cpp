#include "SimulatedDevices.h"

#include <cstdlib>

namespace ftd2xxsim
{

namespace
{
    constexpr auto variable = "FTD2XX_SIM_DEVICES";
}

std::optional<std::string> simulatedDevices()
{
    const auto* value = std::getenv (variable);
    return value != nullptr ? std::optional<std::string> (value) : std::nullopt;
}

void setSimulatedDevices (const std::optional<std::string>& devices)
{
    if (devices.has_value())
        setenv (variable, devices->c_str(), 1);
    else
        unsetenv (variable);
}

} // namespace ftd2xxsim
