#include "hostsys/TorvoBootClient.h"
#include "TorvoBootControl.h"
#include <tavcore/ExecutionContext.h>

namespace os
{

bool TorvoBootClient::sendCommand (TorvoBootCommandIdEnum id, juce::uint8 applicationIndex)
{
    // The control code has five bits for the index: a larger one would reach
    // a different application, so it is refused rather than truncated.
    if (applicationIndex > allApplicationsIndex)
    {
        tav::ExecutionContext::get().error ("Application index " + juce::String (applicationIndex)
                                            + " is out of range (0 to " + juce::String (allApplicationsIndex) + ")");
        return false;
    }

    return detail::deliverTorvoBootControlCode (getTorvoBootControlCode (id, applicationIndex));
}

} // namespace os
