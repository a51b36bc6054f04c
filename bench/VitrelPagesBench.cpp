#include "MatrixOrbitalImages.h"
#include "PageImageLoading.h"
#include "PageLoop.h"
#include "SampleInformation.h"
#include "VitrelThread.h"

#include "EVE/CommandFifo.h"
#include "EVE/DisplayInit.h"
#include "ftd2xx/D2xxApi.h"
#include "ftd2xx_client/SimulatedDevices.h"
#include "ftd2xx_client/SimulatorCounters.h"
#include "ftdi_mpsse/SpiBridge.h"

#include <tavcore/Library.h>
#include <torvocore/StorageDevice.h>
#include <torvocore/TorvoCoreLibrary.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

// What the real status pages cost on the wire, on the simulated FT232H and
// BT815 at the display's 1 MHz SPI clock, counted as the display layer's
// bench counts them:
//   PageFrame/N:  one frame of page N (1 IP, 2 performance, 3 project,
//                 4 system) as the page loop draws it, touch and FIFO round
//                 trips included; payload the FIFO words
//   ImageSet:     the plug-in's eleven images decoded into RAM_G; payload
//                 the PNG bytes
//   IdleThread:   the display thread running its page loop for two seconds
//                 on the performance page; the process's CPU time over that
//                 time, as a share of one core (the figure to keep under 2 %)

namespace
{

constexpr double spiClockHz = 1'000'000.0;
constexpr double microframeSeconds = 125e-6;

ftd2xxsim::SimulatorCounters& simulator()
{
    static ftd2xxsim::SimulatorCounters s;
    return s;
}

void report (benchmark::State& state, const FTSimStatistics& s, double payloadBytes)
{
    const double floorSeconds = payloadBytes * 8 / spiClockHz;
    const double usbTransfers = static_cast<double> (s.usbWrites + s.usbReads);
    state.counters["payload_bytes"] = payloadBytes;
    state.counters["spi_bytes"] = static_cast<double> (s.spiBits) / 8;
    state.counters["usb_writes"] = static_cast<double> (s.usbWrites);
    state.counters["usb_reads"] = static_cast<double> (s.usbReads);
    state.counters["spi_ms"] = s.spiSeconds * 1e3;
    state.counters["floor_ms"] = floorSeconds * 1e3;
    state.counters["with_usb_over_floor"] = (s.spiSeconds + usbTransfers * microframeSeconds) / floorSeconds;
}

/** A finger that taps the down arrow when asked, and is otherwise lifted. */
class ScriptedTouch : public launcher::TouchPanel
{
public:
    std::uint8_t readTag() override              { return std::exchange (nextTag, std::uint8_t (0)); }
    std::uint32_t readScreenXY() override        { return 0x80008000u; }

    std::uint8_t nextTag = 0;
};

std::unique_ptr<torvo::TorvoServerInformation> makeInformation()
{
    auto info = vitrel::test::makeInformation ({ "eth0", "eth1" });
    info->onAir.set (true, tav::ChangeCallback::none());
    return info;
}

launcher::PageImages loadImages()
{
    launcher::PageImages images {};
    std::uint32_t address = 0;

    for (std::size_t i = 0; i < images.size(); ++i)
        address = launcher::loadPageImage (tav::getClass ("MatrixOrbitalImages"), i, address, images[i]);

    return images;
}

double imageSetBytes()
{
    double bytes = 0;

    for (const auto* name : launcher::imageAttributeNames)
        bytes += static_cast<double> (tav::getClass ("MatrixOrbitalImages")->getBufferAttribute (name, nullptr).size);

    return bytes;
}

void PageFrame (benchmark::State& state)
{
    if (vitrel::eve::initDisplay (4, 2, 2) <= 1)
        state.SkipWithError ("the display did not come up");

    const auto images = loadImages();
    launcher::StatusFeed feed;
    launcher::DisplayCounters counters;
    ScriptedTouch touch;
    juce::int64 now = 1'000'000;
    launcher::PageLoop loop (feed, counters, images, touch, [&] { return now; });

    while (loop.getCurrentPage() != state.range (0))
    {
        touch.nextTag = 6;
        now += 300;
        loop.runOnce (false);
    }

    for (auto _ : state)
    {
        now += 31;
        feed.setInformation (*makeInformation(), now);
        simulator().clear();
        const auto before = vitrel::eve::fifoWriteOffset;
        loop.runOnce (false);
        const auto words = static_cast<double> ((vitrel::eve::fifoWriteOffset - before) & 0xFFF) / 4;
        state.counters["fifo_words"] = words;
        report (state, simulator().read(), 4 * words);
    }
}

void ImageSet (benchmark::State& state)
{
    if (vitrel::eve::initDisplay (4, 2, 2) <= 1)
        state.SkipWithError ("the display did not come up");

    for (auto _ : state)
    {
        simulator().clear();
        loadImages();
        report (state, simulator().read(), imageSetBytes());
    }
}

void IdleThread (benchmark::State& state)
{
    for (auto _ : state)
    {
        launcher::VitrelThread thread;
        juce::WaitableEvent imagesIn;
        thread.imageLoaded = [&] (int index) { if (index == 10) imagesIn.signal(); };
        thread.setInformation (*makeInformation(), juce::Time::currentTimeMillis() + 10'000'000);
        thread.startThread();
        imagesIn.wait (60'000);

        const auto cpuBefore = std::clock();
        const auto wallBefore = juce::Time::getMillisecondCounterHiRes();
        juce::Thread::sleep (2000);
        const auto cpuSeconds = double (std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        const auto wallSeconds = (juce::Time::getMillisecondCounterHiRes() - wallBefore) / 1000.0;
        launcher::stopVitrelThread (thread);
        state.counters["cpu_percent_of_a_core"] = 100.0 * cpuSeconds / wallSeconds;
    }
}

BENCHMARK (PageFrame)->DenseRange (1, 4)->Iterations (20)->Unit (benchmark::kMillisecond);
BENCHMARK (ImageSet)->Iterations (2)->Unit (benchmark::kMillisecond);
BENCHMARK (IdleThread)->Iterations (1)->Unit (benchmark::kMillisecond);

} // namespace

int main (int argc, char** argv)
{
    ftd2xxsim::ScopedSimulatedDevices devices ("FT232H:BT815");

    if (! simulator().loaded())
    {
        std::fprintf (stderr, "the simulated D2XX library was not found\n");
        return 1;
    }

    auto& root = tav::Library::getRootLibrary();
    root.addLibrary (torvo::createTorvoCoreLibrary());
    auto images = std::make_unique<tav::Library> ("VitrelBenchImages");
    images->addClass ("MatrixOrbitalImages", std::make_unique<launcher::MatrixOrbitalImagesClass>());
    root.addLibrary (std::move (images));

    benchmark::Initialize (&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    vitrel::closeSpiBridge();
    root.removeLibrary ("VitrelBenchImages");
    root.removeLibrary ("TorvoCore");
    return 0;
}
