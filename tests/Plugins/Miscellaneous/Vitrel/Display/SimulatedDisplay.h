#pragma once

#include "ftd2xx/D2xxApi.h"
#include "ftdi_mpsse/DriverLibrary.h"
#include "ftdi_mpsse/ftdi_infra.h"
#include "ftdi_mpsse/SpiBridge.h"
#include "ScopedEnvironment.h"
#include "TestPlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vitrel::test
{

/** The simulator's controls of its display controller, reached through a second load of the driver library. */
class DisplayControls
{
public:
    DisplayControls() : library (ftdi::openDriverLibrary (ftdi::defaultDriverLibraryName()))
    {
        if (library == nullptr)
            return;

        resolve ("FTSim_ReadMemory", readMemory);
        resolve ("FTSim_GetHostCommands", getHostCommands);
        resolve ("FTSim_SetBootReads", setBootReads);
        resolve ("FTSim_SetEngineStartReads", setEngineStartReads);
        resolve ("FTSim_InjectCoprocessorFault", injectFault);
        resolve ("FTSim_Touch", touch);
        resolve ("FTSim_GetStatistics", getStatistics);
        resolve ("FTSim_ResetStatistics", resetStatistics);
    }

    ~DisplayControls()
    {
        if (library != nullptr)
            ftdi::closeDriverLibrary (library);
    }

    DisplayControls (const DisplayControls&) = delete;
    DisplayControls& operator= (const DisplayControls&) = delete;

    bool loaded() const noexcept                   { return resetStatistics != nullptr; }

    /** n bytes of the controller's memory from address. */
    std::vector<std::uint8_t> memory (std::uint32_t address, std::uint32_t n) const
    {
        std::vector<std::uint8_t> bytes (n);
        readMemory (address, bytes.data(), n);
        return bytes;
    }

    /** A little-endian value of size bytes at address. */
    std::uint32_t value (std::uint32_t address, int size = 4) const
    {
        const auto bytes = memory (address, static_cast<std::uint32_t> (size));
        std::uint32_t v = 0;

        for (int i = size - 1; i >= 0; --i)
            v = (v << 8) | bytes[static_cast<std::size_t> (i)];

        return v;
    }

    /** The host commands the controller has received. */
    std::vector<std::uint8_t> hostCommands() const
    {
        std::vector<std::uint8_t> commands (64);
        const auto n = getHostCommands (commands.data(), static_cast<std::uint32_t> (commands.size()));
        commands.resize (static_cast<std::size_t> (std::min (n, 64)));
        return commands;
    }

    FTSimStatistics statistics() const
    {
        FTSimStatistics s {};
        getStatistics (&s);
        return s;
    }

    int (FTSIM_CALL* readMemory) (std::uint32_t, std::uint8_t*, std::uint32_t) = nullptr;
    int (FTSIM_CALL* getHostCommands) (std::uint8_t*, std::uint32_t) = nullptr;
    int (FTSIM_CALL* setBootReads) (int) = nullptr;
    int (FTSIM_CALL* setEngineStartReads) (int) = nullptr;
    int (FTSIM_CALL* injectFault) (const char*) = nullptr;
    int (FTSIM_CALL* touch) (int, int) = nullptr;
    void (FTSIM_CALL* getStatistics) (FTSimStatistics*) = nullptr;
    void (FTSIM_CALL* resetStatistics)() = nullptr;

private:
    template <typename Function>
    void resolve (const char* name, Function& slot)
    {
        slot = reinterpret_cast<Function> (ftdi::findDriverFunction (library, name));
    }

    void* library;
};

/** Runs the display layer over the bridge layer and the simulated FT232H with a BT815 on its SPI pins. */
class DisplayOnSimulator : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (controls.loaded()) << "the simulated driver must be found by name";
        controls.setBootReads (0);
        controls.setEngineStartReads (0);
        controls.resetStatistics();
    }

    void TearDown() override
    {
        // After a failed SetUp the simulator's controls may be missing.
        if (controls.loaded())
        {
            controls.setBootReads (0);
            controls.setEngineStartReads (0);
        }

        closeSpiBridge();
    }

    /** initDisplay with its standard output captured into printed. */
    std::uint32_t bringUp (int displayType, int boardVariant, int touch);

    ScopedEnvironment devices { "FTD2XX_SIM_DEVICES", "FT232H:BT815" };
    DisplayControls controls;
    std::string printed;
};

/** Draws a frame with a flat button (colour 0x204080) under tag 7 at (300, 40), 120 x 48, on black. */
void drawTaggedButton();

/** The contents of a file, or nothing when it cannot be read. */
std::vector<std::uint8_t> readFile (const std::string& path);

/** Where the test images live. */
std::string imagePath (const char* name);

} // namespace vitrel::test
