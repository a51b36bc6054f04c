#include "hostsys/DaemonClient.h"
#include "WindowsHandles_windows.h"
#include <tavcore/ExecutionContext.h>
#include <optional>
#include <vector>

namespace os
{

namespace
{
    constexpr int stopWaitMs = 30000;
    constexpr int stopPollIntervalMs = 250;

    detail::ScopedServiceHandle openManager (DWORD access, const juce::String& action, const juce::String& name)
    {
        detail::ScopedServiceHandle manager (::OpenSCManagerW (nullptr, nullptr, access));

        if (! manager.isValid())
            tav::ExecutionContext::get().error ("Cannot " + action + " the service " + name
                                                + ": no access to the service control manager: " + detail::getLastOsErrorText());

        return manager;
    }

    /** Opens an installed service; with reportMissing false a service that
        does not exist is no error. */
    detail::ScopedServiceHandle openService (DWORD access, const juce::String& action, const juce::String& name,
                                             bool reportMissing = true)
    {
        const auto manager = openManager (SC_MANAGER_CONNECT, action, name);

        if (! manager.isValid())
            return detail::ScopedServiceHandle();

        detail::ScopedServiceHandle service (::OpenServiceW (manager.get(), name.toWideCharPointer(), access));

        if (! service.isValid() && (reportMissing || ::GetLastError() != ERROR_SERVICE_DOES_NOT_EXIST))
            tav::ExecutionContext::get().error ("Cannot " + action + " the service " + name + ": " + detail::getLastOsErrorText());

        return service;
    }

    std::optional<DWORD> queryState (SC_HANDLE service, const juce::String& name)
    {
        SERVICE_STATUS_PROCESS status {};
        DWORD needed = 0;

        if (! ::QueryServiceStatusEx (service, SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*> (&status), sizeof (status), &needed))
        {
            tav::ExecutionContext::get().error ("Cannot query the state of the service " + name + ": " + detail::getLastOsErrorText());
            return std::nullopt;
        }

        return status.dwCurrentState;
    }

    bool waitUntilStopped (SC_HANDLE service, const juce::String& name)
    {
        const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) stopWaitMs;

        for (;;)
        {
            const auto state = queryState (service, name);

            if (! state)
                return false;

            if (*state == SERVICE_STOPPED)
                return true;

            if (juce::Time::getMillisecondCounter() >= deadline)
            {
                tav::ExecutionContext::get().error ("The service " + name + " did not stop within "
                                                    + juce::String (stopWaitMs / 1000) + " seconds");
                return false;
            }

            ::Sleep (stopPollIntervalMs);
        }
    }

    bool stopService (SC_HANDLE service, const juce::String& name)
    {
        const auto state = queryState (service, name);

        if (! state)
            return false;

        if (*state == SERVICE_STOPPED)
            return true;

        SERVICE_STATUS status {};

        if (*state != SERVICE_STOP_PENDING
             && ! ::ControlService (service, SERVICE_CONTROL_STOP, &status)
             && ::GetLastError() != ERROR_SERVICE_NOT_ACTIVE)
        {
            tav::ExecutionContext::get().error ("Cannot stop the service " + name + ": " + detail::getLastOsErrorText());
            return false;
        }

        return waitUntilStopped (service, name);
    }

    juce::String getQuotedExecutablePath()
    {
        std::vector<wchar_t> buffer (32768);
        const auto length = ::GetModuleFileNameW (nullptr, buffer.data(), (DWORD) buffer.size());
        return juce::String (buffer.data(), (size_t) length).quoted();
    }
}

bool DaemonClient::installDaemon (const juce::String& name, const juce::String& displayName, const juce::String& description)
{
    const auto manager = openManager (SC_MANAGER_CONNECT | SC_MANAGER_CREATE_SERVICE, "install", name);

    if (! manager.isValid())
        return false;

    // No account name: the service runs as LocalSystem, which may start
    // programs in a user's session.
    const detail::ScopedServiceHandle service (::CreateServiceW (manager.get(), name.toWideCharPointer(), displayName.toWideCharPointer(),
                                                                 SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START,
                                                                 SERVICE_ERROR_NORMAL, getQuotedExecutablePath().toWideCharPointer(),
                                                                 nullptr, nullptr, nullptr, nullptr, nullptr));

    if (! service.isValid())
    {
        tav::ExecutionContext::get().error ("Cannot install the service " + name + ": " + detail::getLastOsErrorText());
        return false;
    }

    auto descriptionText = description;
    SERVICE_DESCRIPTIONW serviceDescription { const_cast<wchar_t*> (descriptionText.toWideCharPointer()) };

    // The service works without its description: a failure here is worth a
    // warning, not a failed install.
    if (! ::ChangeServiceConfig2W (service.get(), SERVICE_CONFIG_DESCRIPTION, &serviceDescription))
        tav::ExecutionContext::get().warning ("Cannot set the description of the service " + name + ": " + detail::getLastOsErrorText());

    return true;
}

bool DaemonClient::uninstallDaemon (const juce::String& name)
{
    const auto service = openService (DELETE | SERVICE_STOP | SERVICE_QUERY_STATUS, "uninstall", name);

    if (! service.isValid())
        return false;

    if (! stopService (service.get(), name))
        tav::ExecutionContext::get().warning ("Removing the service " + name + " although it did not stop");

    if (! ::DeleteService (service.get()))
    {
        tav::ExecutionContext::get().error ("Cannot uninstall the service " + name + ": " + detail::getLastOsErrorText());
        return false;
    }

    return true;
}

bool DaemonClient::isDaemonInstalled (const juce::String& name)
{
    return openService (SERVICE_QUERY_STATUS, "query", name, false).isValid();
}

bool DaemonClient::isDaemonRunning (const juce::String& name)
{
    const auto service = openService (SERVICE_QUERY_STATUS, "query", name, false);

    if (! service.isValid())
        return false;

    const auto state = queryState (service.get(), name);
    return state.has_value() && *state != SERVICE_STOPPED;
}

bool DaemonClient::startDaemon (const juce::String& name)
{
    const auto service = openService (SERVICE_START, "start", name);

    if (! service.isValid())
        return false;

    if (! ::StartServiceW (service.get(), 0, nullptr) && ::GetLastError() != ERROR_SERVICE_ALREADY_RUNNING)
    {
        tav::ExecutionContext::get().error ("Cannot start the service " + name + ": " + detail::getLastOsErrorText());
        return false;
    }

    return true;
}

bool DaemonClient::stopDaemon (const juce::String& name)
{
    const auto service = openService (SERVICE_STOP | SERVICE_QUERY_STATUS, "stop", name);
    return service.isValid() && stopService (service.get(), name);
}

} // namespace os
