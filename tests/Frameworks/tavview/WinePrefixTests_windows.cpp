#include <tavview/RunningUnderWine.h>

#include <juce_core/juce_core.h>

#include <gtest/gtest.h>

// Without a window manager, closing an unmanaged Wine window waits about two
// seconds for its drop shadow; the suite's prefix makes Wine's X11 driver
// leave every window unmanaged, so closes are immediate.
TEST (WinePrefix, LeavesWindowsUnmanagedByTheWindowManager)
{
    if (! gui::tav::isRunningUnderWine())
        GTEST_SKIP() << "not running under Wine";

    EXPECT_EQ (juce::WindowsRegistry::getValue ("HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver\\Managed"), "N");
}
