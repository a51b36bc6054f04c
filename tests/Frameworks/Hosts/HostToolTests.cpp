#include "HostRunning.h"
#include <gtest/gtest.h>

namespace
{

const juce::String toolPlugin = TORVO_HOST_STANDIN_TOOL_PLUGIN;

/** The index of the first console line that starts with text, or -1. */
int lineIndex (const juce::StringArray& lines, const juce::String& text)
{
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith (text))
            return i;

    return -1;
}

//==============================================================================
TEST (HostTool, TheToolsDisplayStartsItsHooksRunEachUpdateAndItStopsBeforeItsPluginGoes)
{
    hosttest::RunningHost host ({ toolPlugin, "--tool=StandInTool", "--status-port=" + juce::String (hosttest::findUnusedPort()) });
    ASSERT_TRUE (host.waitForConsole ("StandInTool: refreshInformation")) << host.getConsole();
    EXPECT_EQ (host.stop(), 0);

    const auto console = host.getConsole();
    const auto lines = juce::StringArray::fromLines (console);
    const auto started = lineIndex (lines, "StandInTool: startDisplay");
    const auto refreshed = lineIndex (lines, "StandInTool: refreshInformation, Ram: ");
    const auto stopped = lineIndex (lines, "StandInTool: stopDisplay");
    const auto unloaded = lineIndex (lines, "StandInTool: unload");
    const auto hostStopped = lineIndex (lines, "Torvo stopped");

    ASSERT_GE (started, 0) << console;
    EXPECT_GT (refreshed, started) << console;
    EXPECT_GT (stopped, refreshed) << console;
    EXPECT_GT (unloaded, stopped) << console;
    EXPECT_GT (hostStopped, unloaded) << console;
    EXPECT_FALSE (console.contains ("out of order")) << console;
    EXPECT_FALSE (lines[refreshed].endsWith ("unknown")) << lines[refreshed];
}

TEST (HostTool, WithoutTheOptionNoToolRuns)
{
    hosttest::RunningHost host ({ toolPlugin, "--status-port=" + juce::String (hosttest::findUnusedPort()) });
    ASSERT_TRUE (host.waitForConsole ("Publishing the status")) << host.getConsole();
    EXPECT_EQ (host.stop(), 0);
    EXPECT_FALSE (host.getConsole().contains ("StandInTool:")) << host.getConsole();
}

TEST (HostTool, AClassThatIsNoToolEndsTheHostWithTheReason)
{
    const struct Case
    {
        const char* className;
        const char* reason;
    } cases[] = {
        { "NoSuchTool", "No tool class NoSuchTool among the loaded plug-ins" },
        { "TorvoServerInformation", "The class TorvoServerInformation is not a tool the host can create" },
        { "Tool", "The class Tool is not a tool the host can create" },
    };

    for (auto& c : cases)
    {
        hosttest::RunningHost host ({ toolPlugin, "--tool=" + juce::String (c.className),
                                      "--status-port=" + juce::String (hosttest::findUnusedPort()) });
        EXPECT_EQ (host.waitForExit(), 1) << c.className;
        EXPECT_TRUE (host.getConsole().contains (c.reason)) << host.getConsole();
        EXPECT_FALSE (host.getConsole().contains ("StandInTool:")) << host.getConsole();
    }
}

} // namespace
