#pragma once

#include <juce_core/juce_core.h>
#include <cstdint>
#include <utility>

namespace os
{

//==============================================================================
/**
    An open handle of one process: a process handle on Windows, a process
    file descriptor on Linux. Unlike a process id, which the system hands out
    again once its process is gone, a handle stays bound to its process until
    it is closed, so an ended process can never be mistaken for a new one
    that got its id. The handle is closed when the object goes; it can be
    moved, not copied.
*/
class ProcessHandle
{
public:
    /** A handle bound to no process. */
    ProcessHandle() noexcept = default;

    /** Takes over a native handle of the process with this id: a Windows
        process HANDLE or a Linux process file descriptor, which this object
        closes from then on. */
    ProcessHandle (juce::uint64 processId, std::intptr_t nativeHandle) noexcept
        : id (processId), native (nativeHandle) {}

    ~ProcessHandle()                                       { close(); }

    ProcessHandle (ProcessHandle&& other) noexcept
        : id (other.id), native (std::exchange (other.native, invalidHandle)) {}

    ProcessHandle& operator= (ProcessHandle&& other) noexcept
    {
        if (this != &other)
        {
            close();
            id = other.id;
            native = std::exchange (other.native, invalidHandle);
        }

        return *this;
    }

    /** Opens a handle of the running process with this id; the handle is
        not valid when there is no such process or it may not be watched. */
    static ProcessHandle open (juce::uint64 processId);

    /** True when the handle is bound to a process. */
    bool isValid() const noexcept                          { return native != invalidHandle; }

    /** The id of the process the handle was opened for. */
    juce::uint64 getProcessId() const noexcept             { return id; }

    /** True once the process has ended, whatever its exit code; a handle
        bound to no process watches nothing that runs, so it answers true.
        An ended child of the calling process is reaped here, so that it does
        not linger as a zombie (Linux). */
    bool hasEnded() const;

private:
    void close() noexcept;

    static constexpr std::intptr_t invalidHandle = -1;

    juce::uint64 id = 0;
    std::intptr_t native = invalidHandle;

    JUCE_DECLARE_NON_COPYABLE (ProcessHandle)
};

} // namespace os
