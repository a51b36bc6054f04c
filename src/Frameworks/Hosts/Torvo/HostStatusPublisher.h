#pragma once

#include <torvocore/TorvoServerInformation.h>
#include <tavcore/ExecutionContext.h>

//==============================================================================
/**
    Sends the host's status record as one datagram to the launcher, at the
    status address and port of the network configuration. Nobody needs to listen: a
    datagram nobody receives is simply lost. A failure is reported once, and
    again only after a success.
*/
class HostStatusPublisher
{
public:
    HostStatusPublisher (tav::ExecutionContext& context, const juce::String& address, int port);

    /** Sends the record; false when it could not be encoded or sent. */
    bool publish (const torvo::TorvoServerInformation& information);

private:
    void report (const juce::String& problem);

    tav::ExecutionContext& context;
    const juce::String address;
    const int port;
    juce::DatagramSocket socket;
    juce::String reportedProblem;
};
