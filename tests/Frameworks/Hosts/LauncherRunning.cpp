#include "LauncherRunning.h"
#include <Waiting.h>
#include <torvocore/ServerInformationPacket.h>

namespace launchertest
{

namespace
{
    constexpr juce::uint64 totalMemoryBytes = 16ull << 30;

    torvo::TorvoServerInformation makeRecord (juce::uint64 usedMemory)
    {
        torvo::TorvoServerInformation record;
        record.systemMemory.setBytes (usedMemory, totalMemoryBytes);
        return record;
    }
}

int findUnusedDatagramPort()
{
    juce::DatagramSocket probe;
    probe.bindToPort (0, "127.0.0.1");
    return probe.getBoundPort();
}

//==============================================================================
RunningLauncher::RunningLauncher (const juce::File& executable, const juce::StringArray& arguments)
    : console ("torvo-launcher.txt"),
      process (executable, arguments, console.getFile())
{
}

bool RunningLauncher::waitForConsole (const juce::String& text)
{
    return waitForText (console.getFile(), text, 60000, 20);
}

bool RunningLauncher::waitForOccurrences (const juce::String& text, int count)
{
    return waitUntil ([&] { return countOccurrences (getConsole(), text) >= count; }, 60000, 20);
}

int RunningLauncher::interrupt()
{
    process.requestInterrupt();
    return process.waitForExit (30000);
}

int RunningLauncher::waitForExit()
{
    return process.waitForExit (30000);
}

//==============================================================================
StatusPublisher::StatusPublisher (int port, juce::uint64 usedMemoryBytes)
    : usedMemory (usedMemoryBytes), thread ([this, port] { run (port); })
{
}

StatusPublisher::~StatusPublisher()
{
    stop();
}

void StatusPublisher::stop()
{
    running = false;

    if (thread.joinable())
        thread.join();
}

juce::String StatusPublisher::getMemoryText() const
{
    return makeRecord (usedMemory).systemMemory.toString();
}

void StatusPublisher::run (int port)
{
    juce::MemoryBlock datagram;
    torvo::ServerInformationPacket::encode (makeRecord (usedMemory), datagram);
    juce::DatagramSocket socket;

    while (running)
    {
        socket.write ("127.0.0.1", port, datagram.getData(), (int) datagram.getSize());

        for (int i = 0; i < 20 && running; ++i)
            juce::Thread::sleep (10);
    }
}

int countOccurrences (const juce::String& console, const juce::String& text)
{
    int count = 0;

    for (auto index = console.indexOf (text); index >= 0; index = console.indexOf (index + text.length(), text))
        ++count;

    return count;
}

} // namespace launchertest
