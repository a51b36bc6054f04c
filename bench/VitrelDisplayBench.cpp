#include "EVE/BitmapImages.h"
#include "EVE/CommandFifo.h"
#include "EVE/CoprocessorCommands.h"
#include "EVE/DisplayInit.h"
#include "EVE/DisplayListWords.h"
#include "ftd2xx/D2xxApi.h"
#include "ftd2xx/PngCodec.h"
#include "ftd2xx_client/SimulatedDevices.h"
#include "ftd2xx_client/SimulatorCounters.h"
#include "ftdi_mpsse/SpiBridge.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

// What the display costs on the wire, measured on the simulated FT232H and
// BT815 at the display's 1 MHz SPI clock: bytes clocked over SPI, USB
// transfers (driver writes and reads), the SPI clock time those bytes take,
// and that time set against the physical floor, the payload's bits at 1 MHz.
//   bring-up:  display type 4, board 2, capacitive touch; its payload is the
//              value bytes the controller took or gave (no framing)
//   images:    a set of four RGBA PNGs of about 40 KB streamed to CMD_LOADIMAGE;
//              payload the PNG bytes
//   frame:     a status page of about a hundred FIFO words; payload the words

namespace
{

namespace dl = vitrel::eve::dl;
constexpr double spiClockHz = 1'000'000.0;
constexpr double microframeSeconds = 125e-6;

using Simulator = ftd2xxsim::SimulatorCounters;

Simulator& simulator()
{
    static Simulator s;
    return s;
}

/** Sets the counters of one run; payloadBytes is what the operation has to move. */
void report (benchmark::State& state, const FTSimStatistics& s, double payloadBytes)
{
    const double floorSeconds = payloadBytes * 8 / spiClockHz;
    const double usbTransfers = static_cast<double> (s.usbWrites + s.usbReads);
    state.counters["payload_bytes"] = payloadBytes;
    state.counters["spi_bytes"] = static_cast<double> (s.spiBits) / 8;
    state.counters["usb_transfers"] = usbTransfers;
    state.counters["spi_ms"] = s.spiSeconds * 1e3;
    state.counters["floor_ms"] = floorSeconds * 1e3;
    state.counters["spi_over_floor"] = s.spiSeconds / floorSeconds;
    // One USB microframe per transfer is the least the bridge can take on top.
    state.counters["with_usb_over_floor"] = (s.spiSeconds + usbTransfers * microframeSeconds) / floorSeconds;
}

bool bringUpQuietly()
{
    std::fflush (stdout);
    const auto id = vitrel::eve::initDisplay (4, 2, 2);
    return id > 1;
}

std::vector<std::vector<std::uint8_t>> imageSet()
{
    std::mt19937 noise (815);
    std::vector<std::vector<std::uint8_t>> set;

    for (int i = 0; i < 4; ++i)
    {
        ftd2xxsim::RgbaImage image;
        image.width = 64;
        image.height = 40;
        image.pixels.resize (64 * 40 * 4);

        for (auto& sample : image.pixels)
            sample = static_cast<std::uint8_t> (noise());

        set.push_back (ftd2xxsim::encodePng (image));
    }

    return set;
}

void drawStatusPage()
{
    using namespace vitrel::eve;
    startFrame();
    sendCommandWord (dl::clearColorRgb (0, 0, 0));
    sendCommandWord (dl::clear (true, true, true));
    sendCommandWord (dl::colorRgb (255, 255, 255));
    cmdText (240, 14, 27, OPT_CENTER, "Network");
    cmdText (10, 40, 26, 0, "IP address 192.168.1.20");
    cmdText (10, 60, 26, 0, "Subnet 255.255.255.0");
    cmdText (10, 80, 26, 0, "Gateway 192.168.1.1");
    cmdText (10, 100, 26, 0, "Host torvo-render-01");
    cmdText (10, 120, 26, 0, "Link 1000 Mbit/s");
    cmdText (240, 120, 26, 0, "DHCP on");
    sendCommandWord (dl::tag (1));
    cmdFgColor (0x305090);
    cmdButton (380, 90, 90, 34, 26, OPT_FLAT, "Next");
    sendCommandWord (dl::tagMask (false));
    drawBitmap ({ 1, 0, 6, 64, 40 }, 400, 4);
    sendCommandWord (dl::pointSize (64));
    sendCommandWord (dl::begin (dl::Primitive::points));
    for (int i = 0; i < 8; ++i)
        sendCommandWord (dl::vertex2f (300 + 14 * i, 60));
    sendCommandWord (dl::end());
    sendCommandWord (dl::begin (dl::Primitive::lines));
    sendCommandWord (dl::vertex2f (0, 30));
    sendCommandWord (dl::vertex2f (479, 30));
    sendCommandWord (dl::end());
    endFrame();
}

void BringUp (benchmark::State& state)
{
    for (auto _ : state)
    {
        simulator().clear();
        if (! bringUpQuietly())
            state.SkipWithError ("the display did not come up");
        const auto s = simulator().read();
        report (state, s, static_cast<double> (s.controllerDataBytes));
    }
}

void LoadImages (benchmark::State& state)
{
    const auto set = imageSet();
    double pngBytes = 0;
    for (const auto& png : set)
        pngBytes += static_cast<double> (png.size());

    if (! bringUpQuietly())
        state.SkipWithError ("the display did not come up");

    for (auto _ : state)
    {
        simulator().clear();
        std::uint32_t address = 0;
        for (std::uint32_t i = 0; i < set.size(); ++i)
        {
            vitrel::eve::BitmapRecord record { i, 0, 0, 0, 0 };
            address = vitrel::eve::loadPngImage (address, set[i].data(), static_cast<std::uint32_t> (set[i].size()), record);
        }
        report (state, simulator().read(), pngBytes);
    }
}

void StatusFrame (benchmark::State& state)
{
    if (! bringUpQuietly())
        state.SkipWithError ("the display did not come up");

    for (auto _ : state)
    {
        simulator().clear();
        const auto before = vitrel::eve::fifoWriteOffset;
        drawStatusPage();
        const auto words = static_cast<double> ((vitrel::eve::fifoWriteOffset - before) & 0xFFF) / 4;
        state.counters["fifo_words"] = words;
        report (state, simulator().read(), 4 * words);
    }
}

BENCHMARK (BringUp)->Iterations (2)->Unit (benchmark::kMillisecond);
BENCHMARK (LoadImages)->Iterations (2)->Unit (benchmark::kMillisecond);
BENCHMARK (StatusFrame)->Iterations (20)->Unit (benchmark::kMillisecond);

} // namespace

int main (int argc, char** argv)
{
    ftd2xxsim::ScopedSimulatedDevices devices ("FT232H:BT815");

    if (! simulator().loaded())
    {
        std::fprintf (stderr, "the simulated D2XX library was not found\n");
        return 1;
    }

    benchmark::Initialize (&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    vitrel::closeSpiBridge();
    return 0;
}
