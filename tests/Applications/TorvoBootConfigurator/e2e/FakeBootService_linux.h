#pragma once

#include "ScopedEnvironment.h"

#include <juce_core/juce_core.h>

#include <memory>
#include <vector>

//==============================================================================
/**
    The TorvoBoot service as the configurator sees it on Linux, with the test
    in its place: a systemctl first on PATH that records each call and keeps
    the service's running state (stop stops it, start starts it), and the
    service's control socket, bound by the test, receiving the command bytes.
    Lives in a folder of the test's own; the environment points there while
    it lives, so that programs started meanwhile inherit it.
*/
class FakeBootService
{
public:
    FakeBootService (const juce::File& folder, bool running);
    ~FakeBootService();

    /** True when the fake systemctl and the socket are in place. */
    bool isReady() const noexcept;

    bool isRunning() const;

    /** The calls that changed something (is-active left out), separated by "|". */
    juce::String getControlCalls() const;

    /** Waits (bounded) until the calls other than is-active are exactly these. */
    bool waitForControlCalls (const juce::String& expected, int timeoutMs = 30000) const;

    /** Waits (bounded) for a command byte on the control socket; -1 when none came. */
    int waitForCommandByte (int timeoutMs = 30000);

    /** The command bytes received so far and not yet waited for, in order. */
    std::vector<juce::uint8> takeReceivedBytes();

private:
    void receiveWaiting (int timeoutMs);

    juce::File folder, bin, calls, activeFlag, socketFile;
    int socket = -1;
    std::vector<juce::uint8> received;
    std::vector<std::unique_ptr<ScopedEnvironment>> environment;

    JUCE_DECLARE_NON_COPYABLE (FakeBootService)
};
