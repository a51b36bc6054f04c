#include "FakeBootService_linux.h"
#include "Waiting.h"

#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
    // Stands in for systemd's systemctl with a service of one flag file.
    constexpr const char* fakeSystemctl = R"(#!/bin/sh
echo "$*" >> "$FAKE_SYSTEMCTL_LOG"
case "$1" in
    is-active) [ -f "$FAKE_SYSTEMCTL_ACTIVE" ] && exit 0; exit 3 ;;
    stop) rm -f "$FAKE_SYSTEMCTL_ACTIVE" ;;
    start) : > "$FAKE_SYSTEMCTL_ACTIVE" ;;
esac
exit 0
)";

    int bindDatagramSocket (const juce::File& file)
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy (address.sun_path, file.getFullPathName().toRawUTF8(), sizeof (address.sun_path) - 1);
        const int descriptor = ::socket (AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);

        if (descriptor >= 0 && ::bind (descriptor, reinterpret_cast<sockaddr*> (&address), sizeof (address)) != 0)
        {
            ::close (descriptor);
            return -1;
        }

        return descriptor;
    }
}

FakeBootService::FakeBootService (const juce::File& root, bool running)
    : folder (root.getChildFile ("service")),
      bin (folder.getChildFile ("bin")),
      calls (folder.getChildFile ("systemctl-calls")),
      activeFlag (folder.getChildFile ("active")),
      socketFile (folder.getChildFile ("control"))
{
    bin.createDirectory();
    bin.getChildFile ("systemctl").replaceWithText (fakeSystemctl, false, false, "\n");
    bin.getChildFile ("systemctl").setExecutePermission (true);

    if (running)
        activeFlag.create();

    socket = bindDatagramSocket (socketFile);

    const auto path = bin.getFullPathName() + ":" + juce::SystemStats::getEnvironmentVariable ("PATH", {});
    for (const auto& [name, value] : { std::pair<juce::String, juce::String> { "PATH", path },
                                       { "FAKE_SYSTEMCTL_LOG", calls.getFullPathName() },
                                       { "FAKE_SYSTEMCTL_ACTIVE", activeFlag.getFullPathName() },
                                       { "TORVO_BOOT_CONTROL_SOCKET", socketFile.getFullPathName() } })
        environment.push_back (std::make_unique<ScopedEnvironment> (name, value));
}

FakeBootService::~FakeBootService()
{
    if (socket >= 0)
        ::close (socket);

    socketFile.deleteFile();
}

bool FakeBootService::isReady() const noexcept
{
    return socket >= 0 && bin.getChildFile ("systemctl").existsAsFile();
}

bool FakeBootService::isRunning() const
{
    return activeFlag.existsAsFile();
}

juce::String FakeBootService::getControlCalls() const
{
    juce::StringArray changes;

    for (const auto& line : juce::StringArray::fromLines (calls.loadFileAsString()))
        if (line.isNotEmpty() && ! line.startsWith ("is-active"))
            changes.add (line);

    return changes.joinIntoString ("|");
}

bool FakeBootService::waitForControlCalls (const juce::String& expected, int timeoutMs) const
{
    return waitUntil ([&] { return getControlCalls() == expected; }, timeoutMs, 50);
}

int FakeBootService::waitForCommandByte (int timeoutMs)
{
    receiveWaiting (timeoutMs);

    if (received.empty())
        return -1;

    const int byte = received.front();
    received.erase (received.begin());
    return byte;
}

std::vector<juce::uint8> FakeBootService::takeReceivedBytes()
{
    receiveWaiting (0);
    return std::exchange (received, {});
}

void FakeBootService::receiveWaiting (int timeoutMs)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    for (;;)
    {
        pollfd entry { socket, POLLIN, 0 };
        const auto now = juce::Time::getMillisecondCounter();
        const int wait = received.empty() && now < deadline ? (int) juce::jmin<juce::uint32> (deadline - now, 100) : 0;

        if (::poll (&entry, 1, wait) > 0)
        {
            juce::uint8 buffer[64] = {};
            const auto size = ::recv (socket, buffer, sizeof (buffer), 0);

            for (ssize_t i = 0; i < size; ++i)
                received.push_back (buffer[i]);

            continue;
        }

        if (! received.empty() || juce::Time::getMillisecondCounter() >= deadline)
            return;
    }
}
