#pragma once

#include "StatusFeed.h"
#include "StatusPages.h"
#include "TouchPanel.h"

#include <functional>

namespace launcher
{

//==============================================================================
/** What the display thread keeps from one run of its page loop to the next. */
struct DisplayCounters
{
    juce::uint32 redrawCount = 0;   /**< frames drawn */
    bool serverAlive = true;        /**< whether the last frame saw fresh information */
};

//==============================================================================
/**
    The body of the display thread's loop: it pages on taps of the arrows,
    counts taps of "Next", and draws a frame about every 30 ms and at once
    when a tap lands or the host's information turns fresh or stale.

    A page loop lives for one run of the thread, so every run starts again on
    the first page. The clock and the touch panel are given, so that a test
    can hold a finger for a second without waiting one.
*/
class PageLoop
{
public:
    /** Milliseconds on a monotonic-enough clock (juce::Time::currentTimeMillis by default). */
    using Clock = std::function<juce::int64()>;

    /** Pages 1 to 4. */
    enum Page { ipPage = 1, performancesPage = 2, projectPage = 3, systemPage = 4 };

    PageLoop (const StatusFeed& feed, DisplayCounters& counters, const PageImages& images,
              TouchPanel& touchPanel, Clock clock);

    /** One pass of the loop: applies a tap and draws a frame when one is due,
        unless the thread is asked to exit. True when a frame was drawn. */
    bool runOnce (bool exitRequested);

    /** The page being shown. */
    int getCurrentPage() const noexcept    { return currentPage; }

    /** Composes and shows one frame of the current page. */
    void redrawFrame (juce::int64 now);

private:
    bool readTouch (juce::int64 now);
    void drawCurrentPage();
    void drawArrow (std::uint8_t tag, std::uint32_t discY, int image, int imageY);
    void drawTouchDot();

    const StatusFeed& feed;
    DisplayCounters& counters;
    const PageImages& images;
    TouchPanel& touchPanel;
    Clock clock;

    int currentPage = ipPage;
    juce::int32 nextTapCount = 0;
    juce::int64 lastTouchTime = 0, lastRedrawTime = 0;
};

} // namespace launcher
