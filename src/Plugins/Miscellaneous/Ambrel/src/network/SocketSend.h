#pragma once

#include <juce_core/juce_core.h>

namespace torvo
{

//==============================================================================
/**
    Writes bytes to a connected socket without the process being signalled
    when the peer has gone: a reset peer makes the call fail (returns -1)
    instead of raising SIGPIPE, whose default action would end the host.
    Returns the number of bytes written, as StreamingSocket::write does.
*/
int sendWithoutSignal (juce::StreamingSocket& socket, const void* buffer, int numBytes);

} // namespace torvo
