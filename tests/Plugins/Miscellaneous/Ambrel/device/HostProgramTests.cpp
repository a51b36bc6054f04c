#include "AmbrelTestSupport.h"
#include <GradingRequests.h>
#include <ScopedEnvironment.h>
#include <StoppableProcess.h>
#include <TestPrograms.h>
#include <Waiting.h>

namespace
{
    /** Waits (generously) until the output holds a text. */
    bool waitForOutput (const juce::File& output, const juce::String& text)
    {
        return waitForText (output, text, 60000, 100);
    }
}

TEST (TorvoHostWithAmbrel, LoadsThePlugInServesGradingClientsAndStopsInOrder)
{
    const auto port = findFreePort();
    const ScopedEnvironment environment ("AMBREL_PORT", juce::String (port));
    const juce::TemporaryFile output ("torvo-output.txt");
    StoppableProcess host (programs::find ("Torvo"), {}, output.getFile());
    ASSERT_TRUE (host.isStarted());
    ASSERT_TRUE (waitForOutput (output.getFile(), "Listening on port " + juce::String (port))) << output.getFile().loadFileAsString();

    ambrel::GradingClient client;
    juce::String error;
    juce::var reply;
    ASSERT_TRUE (client.connect ("127.0.0.1", port, 10000, error)) << error;
    ASSERT_TRUE (client.request (ambrel::makeHelloRequest(), reply, error)) << error;
    EXPECT_EQ (reply["protocols"][0]["channels"].size(), 0);
    EXPECT_TRUE (waitForOutput (output.getFile(), "Ambrel connected: 1 client (port " + juce::String (port) + ")"));

    ASSERT_TRUE (client.request (ambrel::makeSetCdlRequest ({ "nothing" }, {}), reply, error)) << error;
    EXPECT_EQ (reply["error"]["message"].toString(), "Unknown channel: nothing");

    host.requestStop();
    EXPECT_EQ (host.waitForExit (30000), 0);
    const auto text = output.getFile().loadFileAsString();
    EXPECT_TRUE (text.contains ("Loaded plug-in Ambrel (Torvo Live)")) << text;
    EXPECT_TRUE (text.contains ("Device Ambrel deinitialised")) << text;
}

TEST (TorvoHostWithAmbrel, HelpSaysHowToUseIt)
{
    const juce::TemporaryFile output ("torvo-help.txt");
    StoppableProcess host (programs::find ("Torvo"), { "--help" }, output.getFile());
    EXPECT_EQ (host.waitForExit (30000), 0);
    EXPECT_TRUE (output.getFile().loadFileAsString().contains ("Usage: Torvo")) << output.getFile().loadFileAsString();
}
