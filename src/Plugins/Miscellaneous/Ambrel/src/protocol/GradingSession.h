#pragma once

#include <juce_core/juce_core.h>
#include <set>

namespace torvo
{

//==============================================================================
/** The protocol state of one client connection, owned by its thread. */
struct GradingSession
{
    bool handshaken = false;            /**< a hello with an accepted version arrived */
    bool closeAfterReply = false;       /**< a hello was rejected: answer, then close */
    bool counted = false;               /**< added to the device's handshaken client count */
    juce::String peer;                  /**< the remote host as the socket reports it */
    std::set<juce::String> pickedUp;    /**< channels announced by the last accepted hello */
};

} // namespace torvo
