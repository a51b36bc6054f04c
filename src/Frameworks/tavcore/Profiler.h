#pragma once

#include <juce_core/juce_core.h>

namespace tav
{

//==============================================================================
/**
    Collects how long named stretches of code take. A program installs one for
    the process when it wants figures; without one, scopes cost a pointer read.
*/
class Profiler
{
public:
    virtual ~Profiler() = default;

    /** The process's profiler, or nullptr when none is installed. */
    static Profiler* get() noexcept;

    /** Installs the process's profiler (nullptr removes it); the caller keeps
        it alive until it is removed and no scope can still end in it. */
    static void set (Profiler* newProfiler) noexcept;

    /** Told at the end of each scope, on the thread that ran it. */
    virtual void scopeEnded (const char* name, double seconds) = 0;
};

//==============================================================================
/** Measures its own lifetime for the process's profiler, if one is installed when it starts. */
class ProfilerScope
{
public:
    /** name must outlive the scope (a literal). */
    explicit ProfilerScope (const char* name) noexcept;
    ~ProfilerScope();

private:
    Profiler* profiler;
    const char* name;
    juce::int64 startTicks = 0;

    JUCE_DECLARE_NON_COPYABLE (ProfilerScope)
};

} // namespace tav
