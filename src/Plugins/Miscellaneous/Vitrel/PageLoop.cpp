#include "PageLoop.h"
#include <tavcore/Profiler.h>

#include "EVE/CommandFifo.h"
#include "EVE/CoprocessorCommands.h"
#include "EVE/DisplayListWords.h"

namespace launcher
{

namespace eve = vitrel::eve;
namespace dl = vitrel::eve::dl;

namespace
{
    constexpr juce::int64 informationLifetimeMs = 3000;
    constexpr juce::int64 frameIntervalMs = 30;
    constexpr juce::int64 touchIntervalMs = 250;
}

PageLoop::PageLoop (const StatusFeed& f, DisplayCounters& c, const PageImages& i, TouchPanel& t, Clock newClock)
    : feed (f), counters (c), images (i), touchPanel (t), clock (std::move (newClock))
{
}

bool PageLoop::runOnce (bool exitRequested)
{
    const auto now = clock();
    const bool alive = now - feed.getLastInformationTime() < informationLifetimeMs;
    const bool changed = alive != counters.serverAlive;
    counters.serverAlive = alive;

    const bool due = now > lastRedrawTime + frameIntervalMs || changed;
    bool forced = false;

    if (now > lastTouchTime + touchIntervalMs)
    {
        const tav::ProfilerScope scope ("readTouch");
        forced = readTouch (now);
    }

    if (exitRequested || ! (due || forced))
        return false;

    redrawFrame (now);
    return true;
}

bool PageLoop::readTouch (juce::int64 now)
{
    switch (touchPanel.readTag())
    {
        case arrowUpTag:    currentPage = currentPage == ipPage ? systemPage : currentPage - 1; break;
        case arrowDownTag:  currentPage = currentPage == systemPage ? ipPage : currentPage + 1; break;
        // The count wraps rather than overflows; a negative count selects the first adapter.
        case nextButtonTag: nextTapCount = static_cast<juce::int32> (static_cast<juce::uint32> (nextTapCount) + 1u); break;
        default:            return false;
    }

    lastTouchTime = now;
    return true;
}

//==============================================================================
void PageLoop::redrawFrame (juce::int64 now)
{
    const tav::ProfilerScope scope ("Redraw");
    lastRedrawTime = now;
    ++counters.redrawCount;

    eve::startFrame();
    eve::sendCommandWord (dl::vertexFormat (0));
    eve::sendCommandWord (dl::clearColorRgb (0, 0, 0));
    eve::sendCommandWord (dl::clear (true, true, true));
    eve::drawBitmap (images[logoImage], -10, 10);

    eve::sendCommandWord (dl::tag (noTag));
    drawCurrentPage();

    drawArrow (arrowUpTag, 21, arrowUpImage, 4);
    drawArrow (arrowDownTag, 107, arrowDownImage, 90);

    eve::sendCommandWord (dl::tag (noTag));
    eve::drawBitmap (images[static_cast<size_t> (firstPageIcon + currentPage - 1)], 440, 47);

    drawTouchDot();
    eve::endFrame();
}

void PageLoop::drawCurrentPage()
{
    switch (currentPage)
    {
        case ipPage:
        {
            const tav::ProfilerScope scope ("drawIPInformation");
            drawIPInformation (feed.copyInformation(), nextTapCount);
            break;
        }
        case performancesPage:
        {
            const tav::ProfilerScope scope ("drawPerformancesInformation");
            drawPerformancesInformation (feed.copyInformation(), counters.serverAlive, counters.redrawCount, images);
            break;
        }
        case projectPage:
        {
            const tav::ProfilerScope scope ("drawProjectInformation");
            drawProjectInformation (feed.copyInformation());
            break;
        }
        default:
        {
            const tav::ProfilerScope scope ("drawSystemInformation");
            drawSystemInformation (feed.copyInformation());
            break;
        }
    }
}

/** An invisible disc of 40 pixels' radius as the touch target, and the arrow drawn under the same tag. */
void PageLoop::drawArrow (std::uint8_t tag, std::uint32_t discY, int image, int imageY)
{
    eve::sendCommandWord (dl::colorMask (false, false, false, false));
    eve::sendCommandWord (dl::tag (tag));
    eve::sendCommandWord (dl::pointSize (640));
    eve::sendCommandWord (dl::begin (dl::Primitive::points));
    eve::sendCommandWord (dl::vertex2ii (457, discY));
    eve::sendCommandWord (dl::colorMask (true, true, true, true));
    eve::drawBitmap (images[static_cast<size_t> (image)], 440, imageY);
}

/** A translucent dot under the finger; it writes no tag, so it never hides a button. */
void PageLoop::drawTouchDot()
{
    const auto xy = touchPanel.readScreenXY();

    if ((xy & 0x80000000u) != 0)
        return;

    eve::sendCommandWord (dl::tagMask (false));
    eve::sendCommandWord (dl::colorRgb (255, 255, 255));
    eve::sendCommandWord (dl::colorA (64));
    eve::sendCommandWord (dl::pointSize (160));
    eve::sendCommandWord (dl::begin (dl::Primitive::points));
    eve::sendCommandWord (dl::vertex2f (static_cast<int> ((xy >> 16) & 0x3FF), static_cast<int> (xy & 0x3FF)));
    eve::sendCommandWord (dl::tagMask (true));
    eve::sendCommandWord (dl::end());
}

} // namespace launcher
