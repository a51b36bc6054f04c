#pragma once

#include <juce_core/juce_core.h>

namespace tav
{

//==============================================================================
/** The program's settings for talking to other parts of the system: how long
    a message, or a thread asked to stop, may take before it is given up. */
class ConnectionManager
{
public:
    /** The message time-out in milliseconds (5 seconds unless changed). */
    int getMessageTimeoutInMs() const noexcept    { return messageTimeoutMs; }

    /** Changes the message time-out. */
    void setMessageTimeoutInMs (int newTimeoutMs) noexcept { messageTimeoutMs = newTimeoutMs; }

private:
    int messageTimeoutMs = 5000;
};

} // namespace tav
