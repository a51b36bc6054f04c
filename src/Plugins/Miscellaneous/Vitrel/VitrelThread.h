#pragma once

#include "PageLoop.h"
#include "StatusFeed.h"

#include <functional>

namespace launcher
{

//==============================================================================
/**
    The display thread: the one user of the SPI bridge, the display controller
    and the page images. Each run brings the display up (retrying every half
    second while it is absent), loads the images, runs the page loop until it
    is asked to exit, then leaves the display black and closes the bridge.

    The host's status record and the frame counters outlive a run, so a
    restarted display goes on from what it last knew.
*/
class VitrelThread : public juce::Thread
{
public:
    VitrelThread();

    /** The owner must have stopped the thread (stopVitrelThread) before. */
    ~VitrelThread() override;

    void run() override;

    /** Takes a new status record made at time (milliseconds); any thread may call it. */
    void setInformation (const torvo::TorvoServerInformation& info, juce::int64 time);

    /** Told on the display thread after each image is loaded, with its index;
        a test uses it to stop the thread while images are still to come. */
    std::function<void (int imageIndex)> imageLoaded;

private:
    bool bringUpDisplay();
    void showStartScreen();
    void loadImages();
    void runPageLoop();

    StatusFeed feed;
    DisplayCounters counters;
    PageImages images {};

    JUCE_DECLARE_NON_COPYABLE (VitrelThread)
};

/** Asks the thread to exit and waits up to 5000 ms; a thread that had to be
    killed is reported as an error on the calling thread's context. */
void stopVitrelThread (VitrelThread& thread);

} // namespace launcher
