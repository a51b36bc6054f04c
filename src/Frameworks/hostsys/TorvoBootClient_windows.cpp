#include "hostsys/TorvoBootClient.h"
#include "TorvoBootControl.h"
#include "WindowsHandles_windows.h"
#include <tavcore/ExecutionContext.h>

namespace os
{

// The service is reached through the service control manager; there is no socket.
juce::File TorvoBootClient::getControlSocketFile()
{
    return {};
}

namespace detail
{

bool deliverTorvoBootControlCode (juce::uint8 controlCode)
{
    const ScopedServiceHandle manager (::OpenSCManagerW (nullptr, nullptr, SC_MANAGER_CONNECT));

    if (! manager.isValid())
    {
        tav::ExecutionContext::get().error ("Cannot reach the service control manager: " + getLastOsErrorText());
        return false;
    }

    const ScopedServiceHandle service (::OpenServiceW (manager.get(), L"TorvoBoot", SERVICE_USER_DEFINED_CONTROL));

    if (! service.isValid())
    {
        tav::ExecutionContext::get().error ("Cannot open the service TorvoBoot: " + getLastOsErrorText());
        return false;
    }

    SERVICE_STATUS status {};

    if (! ::ControlService (service.get(), controlCode, &status))
    {
        tav::ExecutionContext::get().error ("Cannot send control code " + juce::String (controlCode)
                                            + " to the service TorvoBoot: " + getLastOsErrorText());
        return false;
    }

    return true;
}

} // namespace detail
} // namespace os
