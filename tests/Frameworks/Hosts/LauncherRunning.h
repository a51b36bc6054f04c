#pragma once

#include <StoppableProcess.h>
#include <juce_core/juce_core.h>
#include <atomic>
#include <thread>

// Running the real launcher for a test, and a publisher that sends the
// host's status datagrams to it as the host does.
namespace launchertest
{

/** A loopback UDP port nobody uses at the moment. */
int findUnusedDatagramPort();

/** A launcher program (the one beside the tests, or another copy of it)
    started with arguments; its console text gathered in a file. */
class RunningLauncher
{
public:
    RunningLauncher (const juce::File& executable, const juce::StringArray& arguments);

    /** Waits (generously) until the console shows text. */
    bool waitForConsole (const juce::String& text);

    /** Waits (generously) until the console holds text count times. */
    bool waitForOccurrences (const juce::String& text, int count);

    /** Presses Ctrl+C in the launcher's console and waits for it; its exit code, or -1. */
    int interrupt();

    /** Waits for the launcher to end by itself; its exit code, or -1. */
    int waitForExit();

    /** The console text so far. */
    juce::String getConsole() const    { return console.getFile().loadFileAsString(); }

private:
    juce::TemporaryFile console;
    StoppableProcess process;
};

/** Sends a status record with a given memory figure to a loopback port
    every 200 ms from a thread of its own, until stopped. */
class StatusPublisher
{
public:
    StatusPublisher (int port, juce::uint64 usedMemoryBytes);
    ~StatusPublisher();

    /** Stops sending; returns once no datagram is on its way. */
    void stop();

    /** The memory line the records carry, as the launcher's components see it. */
    juce::String getMemoryText() const;

private:
    void run (int port);

    juce::uint64 usedMemory;
    std::atomic<bool> running { true };
    std::thread thread;
};

/** How often text occurs in a console. */
int countOccurrences (const juce::String& console, const juce::String& text);

} // namespace launchertest
