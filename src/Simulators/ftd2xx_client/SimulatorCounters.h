#pragma once

#include "ftd2xx/D2xxApi.h"

namespace ftd2xxsim
{

//==============================================================================
/** The simulator's own counters, reached through a second load of the driver
    library by its file name: the system's loader hands back the copy that the
    bridge layer already loaded, so the counters are the ones it drives.
*/
class SimulatorCounters
{
public:
    /** Loads the driver library by name; loaded() tells whether it is the simulator. */
    SimulatorCounters();

    /** Releases this load of the library (the bridge layer's own load stays). */
    ~SimulatorCounters();

    SimulatorCounters (const SimulatorCounters&) = delete;
    SimulatorCounters& operator= (const SimulatorCounters&) = delete;

    /** True when the library was found and exports the simulator's counters. */
    bool loaded() const noexcept                   { return get != nullptr && reset != nullptr; }

    /** Sets the counters back to zero. */
    void clear()                                   { reset(); }

    /** The counters since they were last cleared. */
    FTSimStatistics read() const;

private:
    void* library;
    void (FTSIM_CALL* get) (FTSimStatistics*) = nullptr;
    void (FTSIM_CALL* reset)() = nullptr;
};

} // namespace ftd2xxsim
