#pragma once

#include <startdeck/LauncherService.h>
#include <torvocore/ServerInformationReceiver.h>

//==============================================================================
/**
    Keeps the launcher service's copy of the host's status fresh: the host's
    datagrams arrive on a receiving thread, and each update() hands the
    newest record, with its arrival time, to the service. While nothing new
    arrives the service's time stays where it is.
*/
class LauncherStatusFeed
{
public:
    explicit LauncherStatusFeed (launcher::LauncherService& service);

    /** Starts listening on the address and port; fails with the reason. */
    juce::Result start (const juce::String& address, int port);

    /** Stops listening. */
    void stop();

    /** Copies a record that arrived since the last call into the service;
        true when there was one. */
    bool update();

private:
    launcher::LauncherService& service;
    torvo::ServerInformationReceiver receiver;
    torvo::TorvoServerInformation latest;
    juce::uint64 copiedCount = 0;
};
