#include "PanelOnSimulator.h"

#include "EVE/DisplayListWords.h"
#include "ftdi_mpsse/SpiBridge.h"

#include <torvocore/StorageDevice.h>

using namespace vitrel::test;
namespace dl = vitrel::eve::dl;

namespace
{

// Where the frame's touch targets lie.
constexpr int arrowX = 457, upArrowY = 21, downArrowY = 107;
constexpr int nextX = 239, nextY = 106;

bool hasText (const std::vector<std::string>& texts, const std::string& text)
{
    return std::find (texts.begin(), texts.end(), text) != texts.end();
}

class PageLoop : public PanelOnSimulator
{
protected:
    /** A tap: the finger down for one pass, then lifted, 300 ms after the last. */
    void tap (int x, int y)
    {
        touch (x, y);
        passAt (now + 300);
        touch (-1, -1);
    }

    /** Fresh information at the current time. */
    void feedInformation (const torvo::TorvoServerInformation& info)
    {
        feed.setInformation (info, now);
    }
};

} // namespace

//==============================================================================
TEST_F (PageLoop, StartsOnTheFirstPageAndTheArrowsWrapAround)
{
    ASSERT_TRUE (passAt (now));
    EXPECT_EQ (loop->getCurrentPage(), 1);

    struct Step { int y; int page; };

    for (auto step : { Step { downArrowY, 2 }, Step { downArrowY, 3 }, Step { downArrowY, 4 },
                       Step { downArrowY, 1 }, Step { upArrowY, 4 }, Step { upArrowY, 3 } })
    {
        tap (arrowX, step.y);
        EXPECT_EQ (loop->getCurrentPage(), step.page) << "after a tap at y " << step.y;
    }
}

TEST_F (PageLoop, AFingerHeldOnTheDownArrowStepsThePageEvery250Milliseconds)
{
    ASSERT_TRUE (passAt (now));
    touch (arrowX, downArrowY);

    const auto start = now;
    std::vector<std::pair<juce::int64, int>> changes;
    int page = loop->getCurrentPage();

    for (auto t = start; t <= start + 1000; t += 2)
    {
        passAt (t);

        if (loop->getCurrentPage() != page)
            changes.emplace_back (t - start, page = loop->getCurrentPage());
    }

    const std::vector<std::pair<juce::int64, int>> expected { { 0, 2 }, { 252, 3 }, { 504, 4 }, { 756, 1 } };
    EXPECT_EQ (changes, expected);
}

TEST_F (PageLoop, FramesComeEvery30MillisecondsAndATapForcesOneAtOnce)
{
    ASSERT_TRUE (passAt (now));
    EXPECT_FALSE (passAt (now + 30));
    EXPECT_TRUE (passAt (now + 1));

    touch (arrowX, downArrowY);
    EXPECT_TRUE (passAt (now + 2)) << "a tap draws at once";
    EXPECT_EQ (loop->getCurrentPage(), 2);
    touch (-1, -1);
    EXPECT_EQ (counters.redrawCount, 3u);
}

TEST_F (PageLoop, AnExitRequestDrawsNothing)
{
    now += 100;
    EXPECT_FALSE (loop->runOnce (true));
    EXPECT_EQ (counters.redrawCount, 0u);
}

//==============================================================================
TEST_F (PageLoop, TheNextButtonStepsThroughThreeAdaptersAndFourTapsShowTheSecond)
{
    feedInformation (*makeInformation ({ "eth0", "eth1", "wlan0" }));
    ASSERT_TRUE (passAt (now));
    EXPECT_TRUE (hasText (textsIn (displayList()), "Next"));
    EXPECT_TRUE (hasText (textsIn (displayList()), "eth0 192.168.1.20")) << "line feeds draw nothing here";
    expectFrameMatches ("ip_three_adapters");

    for (int i = 0; i < 4; ++i)
    {
        feedInformation (*makeInformation ({ "eth0", "eth1", "wlan0" }));
        tap (nextX, nextY);
    }

    EXPECT_TRUE (hasText (textsIn (displayList()), "eth1 192.168.1.21"));
}

TEST_F (PageLoop, OneAdapterHasNoNextButtonAndNoneIsSaid)
{
    feedInformation (*makeInformation ({ "eth0" }));
    ASSERT_TRUE (passAt (now));
    auto texts = textsIn (displayList());
    EXPECT_TRUE (hasText (texts, "eth0 192.168.1.20"));
    EXPECT_FALSE (hasText (texts, "Next"));
    EXPECT_FALSE (containsRun (displayList(), { dl::tag (7) }));

    feedInformation (*makeInformation ({}));
    ASSERT_TRUE (passAt (now + 31));
    texts = textsIn (displayList());
    EXPECT_TRUE (hasText (texts, "No Network Adapter connected"));
    EXPECT_TRUE (hasText (texts, "Torvo Live 1.0"));
    expectFrameMatches ("ip_no_adapter");
}

TEST_F (PageLoop, ThePerformancePageShowsTheFiguresWhileInformationIsFresh)
{
    auto info = makeInformation ({ "eth0" });
    info->greenLight.set (true, tav::ChangeCallback::none());
    info->outputState.set (torvo::OutputState::active, tav::ChangeCallback::none());
    feedInformation (*info);
    passAt (now);
    tap (arrowX, downArrowY);
    ASSERT_EQ (loop->getCurrentPage(), 2);

    const auto texts = textsIn (displayList());
    EXPECT_TRUE (hasText (texts, "Ram: " + info->systemMemory.toString().toStdString()));
    EXPECT_TRUE (hasText (texts, "59.9Fps 100 %"));
    expectFrameMatches ("performance_green_output_active");
}

TEST_F (PageLoop, InformationTurnsStaleAt3000MillisecondsAndForcesAFrame)
{
    passAt (now);
    tap (arrowX, downArrowY);
    ASSERT_EQ (loop->getCurrentPage(), 2);

    const auto received = now;
    feed.setInformation (*makeInformation ({ "eth0" }), received);
    ASSERT_TRUE (passAt (received + 2990));
    EXPECT_FALSE (hasText (textsIn (displayList()), "Torvo is not running"));

    EXPECT_FALSE (passAt (received + 2999)) << "2999 ms old is still fresh: no frame is due";
    EXPECT_TRUE (counters.serverAlive);

    EXPECT_TRUE (passAt (received + 3000)) << "turning stale forces a frame";
    EXPECT_FALSE (counters.serverAlive);
    EXPECT_TRUE (hasText (textsIn (displayList()), "Torvo is not running"));
    expectFrameMatches ("performance_not_running");

    feed.setInformation (*makeInformation ({ "eth0" }), received + 3001);
    EXPECT_TRUE (passAt (received + 3002)) << "turning fresh forces a frame";
    EXPECT_TRUE (counters.serverAlive);
}

TEST_F (PageLoop, TheGreenLightWinsOverOnAir)
{
    struct Case { bool green, onAir; std::uint32_t light; std::uint32_t badgeHandle; };
    // The light is dim for the first nine frames of twenty; the on-air badge is record 7, else 8.
    const std::uint32_t dim = 100;
    passAt (now);
    tap (arrowX, downArrowY);
    ASSERT_EQ (loop->getCurrentPage(), 2);

    for (auto c : { Case { true, true, dl::colorRgb (0, dim, 0), 7 }, Case { false, true, dl::colorRgb (dim, 0, 0), 7 },
                    Case { true, false, dl::colorRgb (0, dim, 0), 8 } })
    {
        counters.redrawCount = 0;
        auto info = makeInformation ({});
        info->greenLight.set (c.green, tav::ChangeCallback::none());
        info->onAir.set (c.onAir, tav::ChangeCallback::none());
        feedInformation (*info);
        ASSERT_TRUE (passAt (now + 31));
        const auto words = displayList();
        ASSERT_FALSE (hasText (textsIn (words), "Torvo is not running"));

        EXPECT_TRUE (containsRun (words, { c.light, dl::pointSize (120) })) << c.green << c.onAir;
        EXPECT_TRUE (containsRun (words, { dl::bitmapHandle (c.badgeHandle) })) << c.green << c.onAir;
    }
}

TEST_F (PageLoop, NoStatusLightWithoutGreenLightOrOnAir)
{
    passAt (now);
    tap (arrowX, downArrowY);
    ASSERT_EQ (loop->getCurrentPage(), 2);
    feedInformation (*makeInformation ({}));
    ASSERT_TRUE (passAt (now + 31));
    ASSERT_TRUE (hasText (textsIn (displayList()), "VRam: unknown"));
    EXPECT_FALSE (containsRun (displayList(), { dl::pointSize (120) }));
}

//==============================================================================
TEST_F (PageLoop, TheProjectPageShowsTheShortenedNameAndTheFileWithoutItsExtension)
{
    auto info = makeInformation ({});
    info->projectPath.set ("/shows/abcdefghijklmnopqrstuvwxyz01234", tav::ChangeCallback::none());
    feedInformation (*info);
    passAt (now);
    tap (arrowX, upArrowY);
    tap (arrowX, upArrowY);
    ASSERT_EQ (loop->getCurrentPage(), 3);

    const auto texts = textsIn (displayList());
    EXPECT_TRUE (hasText (texts, "abcdefghijkl...qrstuvwxyz01234"));
    EXPECT_TRUE (hasText (texts, "Opening"));
    expectFrameMatches ("project");

    info->projectFile.set ("Opening", tav::ChangeCallback::none());
    feedInformation (*info);
    loop->redrawFrame (now);
    EXPECT_EQ (textsIn (displayList()).size(), 1u) << "a file without a dot draws no second line";
}

TEST_F (PageLoop, TheSystemPageListsStorageDevicesOnly)
{
    auto info = makeInformation ({});
    auto other = std::make_unique<torvo::DeviceDescription>();
    other->deviceClass.set ("AmbrelDevice", tav::ChangeCallback::none());
    other->friendlyName.set ("Ambrel", tav::ChangeCallback::none());
    info->devices.append (std::move (other), tav::ChangeCallback::none());
    feedInformation (*info);
    passAt (now);
    tap (arrowX, upArrowY);
    ASSERT_EQ (loop->getCurrentPage(), 4);
    EXPECT_EQ (textsIn (displayList()), (std::vector<std::string> { "Disk: / (20.1 GB free)" }));
    expectFrameMatches ("system");

    info->devices.clear (tav::ChangeCallback::none());
    feedInformation (*info);
    loop->redrawFrame (now);
    EXPECT_EQ (textsIn (displayList()), (std::vector<std::string> { "Disk: " }));
}

//==============================================================================
TEST_F (PageLoop, HugeRecordsDrawWithoutHarm)
{
    std::vector<juce::String> adapters;

    for (int i = 0; i < 100; ++i)
        adapters.push_back ("eth" + juce::String (i));

    auto info = makeInformation (adapters);
    info->projectPath.set ("/shows/" + juce::String::repeatedString ("p", 10000), tav::ChangeCallback::none());
    info->headerText.set (juce::String::repeatedString ("h", 10000), tav::ChangeCallback::none());
    feedInformation (*info);

    for (int page = 1; page <= 4; ++page)
    {
        EXPECT_TRUE (passAt (now + 300)) << "page " << page;
        tap (arrowX, downArrowY);
    }

    EXPECT_EQ (loop->getCurrentPage(), 1);
    feedInformation (torvo::TorvoServerInformation());
    EXPECT_TRUE (passAt (now + 300)) << "an empty record draws too";
}

TEST_F (PageLoop, TheTouchDotFollowsTheFingerWithoutATag)
{
    touch (100, 60);
    passAt (now);
    EXPECT_TRUE (containsRun (displayList(), { dl::tagMask (false), dl::colorRgb (255, 255, 255), dl::colorA (64),
                                               dl::pointSize (160), dl::begin (dl::Primitive::points),
                                               dl::vertex2f (100, 60), dl::tagMask (true), dl::end() }));
    touch (-1, -1);
    passAt (now + 31);
    EXPECT_FALSE (containsRun (displayList(), { dl::pointSize (160) }));
}

TEST_F (PageLoop, ABridgeLostMidRunLeavesTheLoopDrawingIntoTheVoid)
{
    feedInformation (*makeInformation ({ "eth0", "eth1" }));
    ASSERT_TRUE (passAt (now));
    vitrel::closeSpiBridge();

    // Reads over the lost bridge answer zeros: no tag, a finger "down" at (0, 0), an idle co-processor.
    for (int i = 1; i <= 300; ++i)
        EXPECT_TRUE (passAt (now + 31)) << "frame " << i;

    EXPECT_EQ (counters.redrawCount, 301u);
    EXPECT_EQ (loop->getCurrentPage(), 1);
}
