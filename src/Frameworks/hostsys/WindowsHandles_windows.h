#pragma once

#include <windows.h>
#include <juce_core/juce_core.h>
#include <utility>

namespace os::detail
{

//==============================================================================
/** Closes a kernel object handle when it goes out of scope. */
class ScopedHandle
{
public:
    explicit ScopedHandle (HANDLE h = nullptr) noexcept : handle (h) {}
    ~ScopedHandle()                                    { reset(); }

    ScopedHandle (ScopedHandle&& other) noexcept : handle (std::exchange (other.handle, nullptr)) {}

    void reset (HANDLE h = nullptr) noexcept
    {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
            ::CloseHandle (handle);

        handle = h;
    }

    HANDLE get() const noexcept                        { return handle; }
    bool isValid() const noexcept                      { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle;

    JUCE_DECLARE_NON_COPYABLE (ScopedHandle)
};

//==============================================================================
/** Closes a service control manager or service handle when it goes out of scope. */
class ScopedServiceHandle
{
public:
    explicit ScopedServiceHandle (SC_HANDLE h = nullptr) noexcept : handle (h) {}
    ~ScopedServiceHandle()                             { if (handle != nullptr) ::CloseServiceHandle (handle); }

    ScopedServiceHandle (ScopedServiceHandle&& other) noexcept : handle (std::exchange (other.handle, nullptr)) {}

    SC_HANDLE get() const noexcept                     { return handle; }
    bool isValid() const noexcept                      { return handle != nullptr; }

private:
    SC_HANDLE handle;

    JUCE_DECLARE_NON_COPYABLE (ScopedServiceHandle)
};

/** The text of the calling thread's last Windows error, as messages append it. */
juce::String getLastOsErrorText();

} // namespace os::detail
