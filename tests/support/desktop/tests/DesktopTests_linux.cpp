#include <gtest/gtest.h>
#include "Desktop.h"
#include "Waiting.h"

#include <unistd.h>

// The display driver against a window of its own in the test's X server.

TEST (Desktop, CoveringWindowIsOnTopAndCapturedAsShown)
{
    if (! desktop::isAvailable())
        GTEST_SKIP() << "no X display";

    const desktop::CoveringWindow cover ({ 40, 30, 64, 48 });
    ASSERT_NE (cover.getId(), 0u);
    ASSERT_TRUE (waitUntil ([&] { return desktop::getBounds (cover.getId()) == juce::Rectangle<int> (40, 30, 64, 48); }, 10000, 50));

    const auto order = desktop::getStackingOrder();
    ASSERT_FALSE (order.empty());
    EXPECT_EQ (order.back(), cover.getId());
    EXPECT_EQ (desktop::getFocusedWindow(), cover.getId());

    const auto shot = desktop::capture (cover.getId());
    ASSERT_EQ (shot.getBounds(), juce::Rectangle<int> (0, 0, 64, 48));
    EXPECT_EQ (shot.getPixelAt (0, 0), juce::Colours::black);
    EXPECT_EQ (shot.getPixelAt (63, 47), juce::Colours::black);

    // A part of it, clipped to the window.
    EXPECT_EQ (desktop::capture (cover.getId(), { 10, 5, 4, 100 }).getBounds(), juce::Rectangle<int> (0, 0, 4, 43));
}

TEST (Desktop, AWindowThatIsGoneHasNoPicture)
{
    if (! desktop::isAvailable())
        GTEST_SKIP() << "no X display";

    desktop::WindowId id = 0;
    {
        const desktop::CoveringWindow cover ({ 0, 0, 10, 10 });
        id = cover.getId();
    }

    EXPECT_FALSE (desktop::capture (id).isValid());
    EXPECT_TRUE (desktop::getBounds (id).isEmpty());
}

TEST (Desktop, WindowsAreFoundByTitleAndProcess)
{
    if (! desktop::isAvailable())
        GTEST_SKIP() << "no X display";

    const desktop::CoveringWindow first ({ 0, 0, 20, 20 }, "Torvo test window");
    const desktop::CoveringWindow second ({ 30, 0, 20, 20 }, "Torvo test window 2");
    const auto self = (juce::uint64) ::getpid();

    EXPECT_EQ (desktop::waitForWindow ("^Torvo test window$", 10000), first.getId());
    EXPECT_EQ (desktop::findWindows ("^Torvo test window", self), (std::vector<desktop::WindowId> { first.getId(), second.getId() }));
    EXPECT_TRUE (desktop::findWindows ("^Torvo test window", self + 1).empty());
    EXPECT_TRUE (desktop::findWindows ("^window").empty());
}
