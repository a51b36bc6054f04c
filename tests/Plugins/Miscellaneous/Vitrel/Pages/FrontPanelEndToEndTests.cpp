// The whole front panel as it runs: the real host publishing its status, the
// real launcher loading the plug-in, and the simulated display publishing
// its frames into a panel file that the test reads and touches through.
#include "LauncherRunning.h"
#include "ScopedEnvironment.h"

#include "ftd2xx_panel/PanelFile.h"

#include <TestPrograms.h>
#include <gtest/gtest.h>

using namespace launchertest;

namespace
{

namespace panel = ftd2xxsim::panel;

/** The pixels of the panel's last frame in a rectangle that pass a test. */
template <typename Test>
int countPixels (const std::vector<std::uint8_t>& rgba, int x0, int y0, int x1, int y1, Test test)
{
    int n = 0;

    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
        {
            const auto* p = rgba.data() + 4 * (static_cast<std::size_t> (y) * panel::width + x);
            n += test (p[0], p[1], p[2]) ? 1 : 0;
        }

    return n;
}

bool isWhite (int r, int g, int b)    { return r > 200 && g > 200 && b > 200; }
bool isRed (int r, int g, int b)      { return r > 180 && g < 60 && b < 60; }

bool isLit (int r, int g, int b)      { return r + g + b > 60; }

/** The performance page: the on-air and output badges along its bottom. */
bool onPerformancePage (const std::vector<std::uint8_t>& rgba)
{
    return countPixels (rgba, 177, 102, 303, 119, isLit) > 1000;
}

/** The performance page while the host's figures are fresh: its first line (the memory) and no red cross. */
bool showsFigures (const std::vector<std::uint8_t>& rgba)
{
    return onPerformancePage (rgba) && countPixels (rgba, 150, 14, 430, 34, isWhite) > 40
        && countPixels (rgba, 335, 46, 349, 59, isRed) == 0;
}

/** "Torvo is not running" with its red cross, and no first line. */
bool showsNotRunning (const std::vector<std::uint8_t>& rgba)
{
    return onPerformancePage (rgba) && countPixels (rgba, 335, 46, 349, 59, isRed) > 5
        && countPixels (rgba, 150, 14, 430, 34, isWhite) == 0;
}

class FrontPanel : public testing::Test
{
protected:
    /** Waits (generously) until the panel's frame passes a test. */
    template <typename Test>
    bool waitForFrame (Test test)
    {
        for (int i = 0; i < 300; ++i)
        {
            std::uint32_t sequence = 0;

            if (viewer == nullptr)
                viewer = ftd2xxsim::PanelFile::open (panelPath);

            if (viewer != nullptr && viewer->readFrame (frame, sequence) && test (frame))
                return true;

            juce::Thread::sleep (100);
        }

        return false;
    }

    void tap (int x, int y)
    {
        viewer->writeTouch (true, x, y);
        juce::Thread::sleep (150);
        viewer->writeTouch (false, x, y);
    }

    juce::TemporaryFile panelFile;
    std::string panelPath = panelFile.getFile().getFullPathName().toStdString();
    ScopedEnvironment devices { "FTD2XX_SIM_DEVICES", "FT232H:BT815" };
    ScopedEnvironment panelOutput { "FTD2XX_SIM_PANEL", panelPath.c_str() };
    // Where the programs find the simulated driver on Linux; on Windows it
    // lies beside them.
    ScopedEnvironment driverPath { "LD_LIBRARY_PATH", VITREL_TEST_DRIVER_DIR };
    const int port = findUnusedDatagramPort();
    const juce::String portOption = "--status-port=" + juce::String (port);
    const juce::String plugin = juce::File (VITREL_TEST_PLUGIN).getFullPathName();
    std::unique_ptr<ftd2xxsim::PanelFile> viewer;
    std::vector<std::uint8_t> frame;
};

} // namespace

TEST_F (FrontPanel, ShowsTheHostsMemoryLineAndThatTorvoIsNotRunningOnceTheHostStops)
{
    RunningLauncher launcher (programs::find ("TorvoLauncher"), { portOption, plugin });
    ASSERT_TRUE (launcher.waitForConsole ("VitrelLauncherComponent started")) << launcher.getConsole();

    auto host = std::make_unique<RunningLauncher> (programs::find ("Torvo"), juce::StringArray { portOption, plugin });
    ASSERT_TRUE (host->waitForConsole ("Publishing the status")) << host->getConsole();

    // The first page shows once the images are in; the down arrow leads to the performance page.
    ASSERT_TRUE (waitForFrame ([] (const auto& f) { return countPixels (f, 440, 47, 473, 80, isWhite) > 20; }))
        << launcher.getConsole();
    tap (457, 107);
    EXPECT_TRUE (waitForFrame (showsFigures)) << launcher.getConsole();

    EXPECT_EQ (host->interrupt(), 0) << host->getConsole();
    host.reset();
    const auto stopped = juce::Time::getMillisecondCounterHiRes();
    EXPECT_TRUE (waitForFrame (showsNotRunning)) << launcher.getConsole();
    EXPECT_GE (juce::Time::getMillisecondCounterHiRes() - stopped, 1500.0) << "the last record counts for 3 s";

    EXPECT_EQ (launcher.interrupt(), 0) << launcher.getConsole();
}
