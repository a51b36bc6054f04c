#pragma once

#include <ScopedEnvironment.h>
#include <StoppableProcess.h>
#include <pixcore/reference/FloatImage.h>

// Running the real host for a test: on a port of its own, its console
// text gathered in a file, until the test has seen what it waits for.
namespace hosttest
{

/** A port nobody listens on, so that a grading plug-in does not meet another host's. */
int findUnusedPort();

/** The host program started with arguments; stopped, if still running, when it goes. */
class RunningHost
{
public:
    explicit RunningHost (const juce::StringArray& arguments);

    /** Waits (generously) until the console shows text. */
    bool waitForConsole (const juce::String& text);

    /** Waits (generously) until the console holds count lines that are exactly line. */
    bool waitForLines (const juce::String& line, int count);

    /** Asks the host to stop and waits for it; its exit code, or -1. */
    int stop();

    /** Waits (generously) for the host to end by itself; its exit code, or -1. */
    int waitForExit();

    /** The console text so far. */
    juce::String getConsole() const    { return console.getFile().loadFileAsString(); }

    /** The port the grading device listens on. */
    int getPort() const noexcept       { return port; }

private:
    int port;
    ScopedEnvironment portSetting;
    juce::TemporaryFile console;
    StoppableProcess process;
};

/** How many lines of the text are exactly line. */
int countLines (const juce::String& text, const juce::String& line);

/** An image of a few distinct pixels, negative and above 1 among them. */
graphics::reference::FloatImage makeSmallImage();

/** The image with red, green and blue multiplied by gain. */
graphics::reference::FloatImage scaled (graphics::reference::FloatImage image, float gain);

} // namespace hosttest
