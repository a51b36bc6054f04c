#pragma once

#include <optional>
#include <string>

namespace ftd2xxsim
{

//==============================================================================
/** Names the devices the simulator reports (its FTD2XX_SIM_DEVICES list, e.g.
    "FT232H:BT815") for as long as it lives, and restores the earlier list
    afterwards. The simulator reads the list when a client next enumerates.
*/
class ScopedSimulatedDevices
{
public:
    /** Sets the list to devices; null removes it, so that no device is attached. */
    explicit ScopedSimulatedDevices (const char* devices);

    /** Puts the earlier list back. */
    ~ScopedSimulatedDevices();

    ScopedSimulatedDevices (const ScopedSimulatedDevices&) = delete;
    ScopedSimulatedDevices& operator= (const ScopedSimulatedDevices&) = delete;

private:
    std::optional<std::string> previous;
};

/** The process's device list, or nothing when it is not set. */
std::optional<std::string> simulatedDevices();

/** Sets the process's device list; nothing removes it. */
void setSimulatedDevices (const std::optional<std::string>& devices);

} // namespace ftd2xxsim
