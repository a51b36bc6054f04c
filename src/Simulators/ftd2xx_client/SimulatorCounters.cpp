#include "SimulatorCounters.h"

#include "ftdi_mpsse/DriverLibrary.h"

namespace ftd2xxsim
{

namespace ftdi = vitrel::ftdi;

SimulatorCounters::SimulatorCounters() : library (ftdi::openDriverLibrary (ftdi::defaultDriverLibraryName()))
{
    if (library == nullptr)
        return;

    get = reinterpret_cast<decltype (get)> (ftdi::findDriverFunction (library, "FTSim_GetStatistics"));
    reset = reinterpret_cast<decltype (reset)> (ftdi::findDriverFunction (library, "FTSim_ResetStatistics"));
}

SimulatorCounters::~SimulatorCounters()
{
    if (library != nullptr)
        ftdi::closeDriverLibrary (library);
}

FTSimStatistics SimulatorCounters::read() const
{
    FTSimStatistics s {};
    get (&s);
    return s;
}

} // namespace ftd2xxsim
