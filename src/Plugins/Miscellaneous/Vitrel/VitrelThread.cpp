#include "VitrelThread.h"
#include "PageImageLoading.h"

#include "EVE/CommandFifo.h"
#include "EVE/CoprocessorCommands.h"
#include "EVE/DisplayInit.h"
#include "EVE/DisplayListWords.h"
#include "ftdi_mpsse/SpiBridge.h"

#include <tavcore/ExecutionContext.h>
#include <tavcore/Library.h>

#include <cstdio>

namespace launcher
{

namespace eve = vitrel::eve;
namespace dl = vitrel::eve::dl;

namespace
{
    // The front panel: a 480 x 128 display on the second board variant, with capacitive touch.
    constexpr int displayType = 4, boardVariant = 2, capacitiveTouch = 2;
    constexpr int retryDelayMs = 500, loopDelayMs = 2, stopTimeoutMs = 5000;
}

VitrelThread::VitrelThread() : juce::Thread ("VitrelThread")
{
}

VitrelThread::~VitrelThread() = default;

void VitrelThread::setInformation (const torvo::TorvoServerInformation& info, juce::int64 time)
{
    feed.setInformation (info, time);
}

void VitrelThread::run()
{
    if (bringUpDisplay())
    {
        showStartScreen();
        loadImages();
        runPageLoop();
    }

    eve::showBlankFrame();
    vitrel::closeSpiBridge();
}

bool VitrelThread::bringUpDisplay()
{
    while (eve::initDisplay (displayType, boardVariant, capacitiveTouch) <= 1)
    {
        std::printf ("ERROR: Eve not detected.\n");
        std::fflush (stdout);
        wait (retryDelayMs);

        if (threadShouldExit())
            return false;
    }

    return true;
}

void VitrelThread::showStartScreen()
{
    eve::showBlankFrame();

    if (eve::touchType == capacitiveTouch)
        eve::showBlankFrame();

    // Left unpublished: the first image carries them to the controller.
    eve::startFrame();
    eve::sendCommandWord (dl::clearColorRgb (0, 0, 0));
    eve::sendCommandWord (dl::clear (true, true, true));
}

void VitrelThread::loadImages()
{
    std::uint32_t address = 0;

    for (size_t i = 0; i < images.size() && ! threadShouldExit(); ++i)
    {
        address = loadPageImage (tav::getClass ("MatrixOrbitalImages"), i, address, images[i]);

        if (imageLoaded)
            imageLoaded (static_cast<int> (i));
    }
}

void VitrelThread::runPageLoop()
{
    ControllerTouchPanel touchPanel;
    PageLoop loop (feed, counters, images, touchPanel, [] { return juce::Time::currentTimeMillis(); });

    while (! threadShouldExit())
    {
        loop.runOnce (threadShouldExit());
        wait (loopDelayMs);
    }
}

//==============================================================================
void stopVitrelThread (VitrelThread& thread)
{
    if (! thread.stopThread (stopTimeoutMs))
        tav::ExecutionContext::get().error (thread.getThreadName() + "thread was killed by force");
}

} // namespace launcher
