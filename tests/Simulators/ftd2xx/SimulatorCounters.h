#pragma once

#include "D2xxApi.h"
#include "DriverLibrary.h"

namespace vitrel::test
{

/** The simulator's own counters, reached through a second load of the same library. */
class SimulatorCounters
{
public:
    SimulatorCounters() : library (ftdi::openDriverLibrary (ftdi::defaultDriverLibraryName()))
    {
        if (library == nullptr)
            return;

        get = reinterpret_cast<decltype (get)> (ftdi::findDriverFunction (library, "FTSim_GetStatistics"));
        reset = reinterpret_cast<decltype (reset)> (ftdi::findDriverFunction (library, "FTSim_ResetStatistics"));
    }

    ~SimulatorCounters()
    {
        if (library != nullptr)
            ftdi::closeDriverLibrary (library);
    }

    bool loaded() const noexcept                   { return get != nullptr && reset != nullptr; }
    void clear()                                   { reset(); }

    FTSimStatistics read()
    {
        FTSimStatistics s {};
        get (&s);
        return s;
    }

private:
    void* library;
    void (FTSIM_CALL* get) (FTSimStatistics*) = nullptr;
    void (FTSIM_CALL* reset)() = nullptr;
};

} // namespace vitrel::test
