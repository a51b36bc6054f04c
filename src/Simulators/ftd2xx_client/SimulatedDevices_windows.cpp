#include "SimulatedDevices.h"

#include <windows.h>

namespace ftd2xxsim
{

namespace
{
    constexpr auto variable = "FTD2XX_SIM_DEVICES";
}

// The simulator reads the process environment, not a C runtime's copy of it
// (the DLL may not share its client's runtime), so that is what is set here.

std::optional<std::string> simulatedDevices()
{
    char value[1024];
    const auto length = GetEnvironmentVariableA (variable, value, sizeof (value));
    return length > 0 && length < sizeof (value) ? std::optional<std::string> (std::string (value, length)) : std::nullopt;
}

void setSimulatedDevices (const std::optional<std::string>& devices)
{
    SetEnvironmentVariableA (variable, devices.has_value() ? devices->c_str() : nullptr);
}

} // namespace ftd2xxsim
