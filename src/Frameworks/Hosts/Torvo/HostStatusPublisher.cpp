#include "HostStatusPublisher.h"
#include <torvocore/ServerInformationPacket.h>

HostStatusPublisher::HostStatusPublisher (tav::ExecutionContext& executionContext, const juce::String& statusAddress, int statusPort)
    : context (executionContext), address (statusAddress), port (statusPort)
{
}

bool HostStatusPublisher::publish (const torvo::TorvoServerInformation& information)
{
    juce::MemoryBlock datagram;
    const auto encoded = torvo::ServerInformationPacket::encode (information, datagram);

    if (encoded.failed())
    {
        report ("Status not published: " + encoded.getErrorMessage());
        return false;
    }

    if (socket.write (address, port, datagram.getData(), (int) datagram.getSize()) != (int) datagram.getSize())
    {
        report ("Status not published: cannot send to " + address + " port " + juce::String (port));
        return false;
    }

    reportedProblem.clear();
    return true;
}

void HostStatusPublisher::report (const juce::String& problem)
{
    if (problem == reportedProblem)
        return;

    reportedProblem = problem;
    context.error (problem);
}
